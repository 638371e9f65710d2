# The measuring calls, the measuring sub-programs and the zero settings, worked out by hand.
# A measurement puts its call line at the caret and its sub-program at the end of the document.
#
# The format and how to add a case: step 4 of src/process/generators/README.md.

case inD_turretNumbers ProcessMeasuerInD
state T=5 EndX=30 EndZ=-20 AppX=250 AppZ=100 HomeX=500 HomeZ=500 U=0.02 W=0.05 V=7
call N000 CALL OME12 ( INV.MEASURE D30)
text
	
----------<  INV.MEASURE D30 >----------
OME12
N000 IF[VDIN[32]EQ 0]NRTS
N000 G00 X250 Z100 T0505
NT05 CALL ODIAA ZP1=100 ZP2=-20 TOF1=15 TOF2=05
$         MSP=30 APP=3 APPS=2 IMP=1 DOK=0.02 DNG=0.05 TOFN=07
N000 G00 X250
N000     X500 Z500
NRTS RTS
end

# The probe is called by numbers even with tool groups; the correction goes to the group.
case inD_duomillGroups ProcessMeasuerInD
state T=5 EndX=30 EndZ=-20 AppX=250 AppZ=100 HomeX=500 HomeZ=500 U=0.02 W=0.05 V=7 duomill groups H1 macro=M441
call N000 CALL OME12 ( INV.MEASURE D30)
text
	
----------<  INV.MEASURE D30 >----------
OME12
N000 IF[VDIN[32]EQ 0]NRTS
N000 MT=1 TG=5
N000 M441
N000 G00 X250 Z100 TL=0505
NT05 CALL ODIAA ZP1=100 ZP2=-20 TOF1=15 TOF2=05
$         MSP=30 APP=3 APPS=2 IMP=1 DOK=0.02 DNG=0.05 ATG=07 AOG=1
N000 G00 X250
N000 G21 HP=4
NRTS RTS
end

case inR_turret ProcessMeasuerInR
state T=12 EndX=40 EndZ=-15 U=0.01 W=0.03 V=12
call N000 CALL OME11 ( INV.MEASURE D40)
text
	
----------<  INV.MEASURE D40 >----------
OME11
N000 IF[VDIN[32]EQ 0]NRTS
N000 G00 X200 Z50 T1212
NT12     X30
N000     Z-15
N000 CALL OWMXA MSP=40 APP=3 APPS=2 IMP=1 DOK=0.01 DNG=0.03 TOFN=12
N000 G00 Z50
N000     X200
N000     X500 Z500
NRTS RTS
end

# The turning-tool ready-request ignores the turret type; no retract before the return.
case outD_duomillNumbers ProcessMeasuerOutD
state T=12 StartX=90 StartZ=5 EndX=80.5 EndZ=-25 U=0.02 W=0.04 V=3 duomill H1 toolData
call N000 CALL OME02 (UTV.MEASURE D80.5)
text
	
----------< UTV.MEASURE D80.5 >----------
OME02
N000 IF[VDIN[32]EQ 0]NRTS
N000 MT=1201
N000 M421
N000 G00 X200 Z50 TL=1212
NT12 CALL ODOAA XP1=90 ZP1=5 ZP2=-25 TOF1=22 TOF2=12
$         MSP=80.5 APP=3 APPS=2 IMP=1 DOK=0.02 DNG=0.04 TOFN=03
N000 G21 HP=4
NRTS RTS
end

# The offset number is the whole part of the typed number.
case outR_groupsWithoutDuomill ProcessMeasuerOutR
state T=3 EndX=60 EndZ=-8 U=0 W=0.1 V=15.9 groups
call N000 CALL OME01 (UTV.MEASURE D60)
text
	
----------< UTV.MEASURE D60 >----------
OME01
N000 IF[VDIN[32]EQ 0]NRTS
N000 G00 X200 Z50 T0303
NT03     Z-8
N000 CALL OWMXA MSP=60 APP=3 APPS=2 IMP=1 DOK=0 DNG=0.1 ATG=15 AOG=1
N000 G00 X200
N000     X500 Z500
NRTS RTS
end

case zeroC_turret_oneTouch ProcessMeasuerZeroCaxis
state T=12 V=5 F=2.5 W=10 D=30 StartX=60 StartZ=-10 EndZ=-12 EndC=90 C=0
text
(-----< C-AXIS ZERO OFFSET >-----)
N000 G94 M110 M15
N000 G00 X200 Z50 T1212
NT12     Z-10
N000     X60
N000 CALL OCPFI MSP=-12 APP=5 CFW=2.5 COF=90
N000 CALL OZOFD COF=90 CMW=10
N000 G00 Z-10
N000     X200
N000     X500 Z500
N000 G95 M109
	
end

case zeroC_duomillGroups_secondTouch ProcessMeasuerZeroCaxis
state T=12 V=5 F=2.5 W=10 D=30 StartX=60 StartZ=-10 EndZ=-12 EndC=90 C=1 duomill groups
text
(-----< C-AXIS ZERO OFFSET >-----)
N000 MT=1 TG=12
N000 M421
N000 G94 M110 M15
N000 G00 X200 Z50 TL=1212
NT12     Z-10
N000     X60
N000 CALL OCPFI MSP=-12 APP=5 CFW=2.5 COF=90
N000 CALL OZOFD COF=90 CMW=10 APPS=1
N000 G00 Z-10
N000     X200
N000 G21 HP=4
N000 G95 M109
	
end

case zeroZ_turret_everythingOmitted ProcessMeasuerZeroZaxis
state T=12 D=3 L=1 StartX=20 StartZ=10 EndZ=0 C=0 U=0 W=0
text
(-----< Z-AXIS ZERO OFFSET >-----)
N000 G00 X200 Z50 T1212
NT12     Z10
N000     X20
N000 CALL OZOFA MSP=0 APP=3 IMP=1
N000 G00 Z10
N000     X200
N000     X500 Z500
	
end

case zeroZ_duomill_everyWord ProcessMeasuerZeroZaxis
state T=12 D=3 L=1 StartX=20 StartZ=10 EndZ=0 C=2 U=0.01 W=0.05 duomill H1 macro=M441
text
(-----< Z-AXIS ZERO OFFSET >-----)
N000 MT=1201
N000 M441
N000 G00 X200 Z50 TL=1212
NT12     Z10
N000     X20
N000 CALL OZOFA MSP=0 APP=3 APPS=2 IMP=1 DOK=0.01 DNG=0.05
N000 G00 Z10
N000     X200
N000 G21 HP=4
	
end

case zeroZ_negativeTolerancesOmitted ProcessMeasuerZeroZaxis
state T=12 D=3 L=1 StartX=20 StartZ=10 EndZ=0 C=-1 U=-0.01 W=0.02
text
(-----< Z-AXIS ZERO OFFSET >-----)
N000 G00 X200 Z50 T1212
NT12     Z10
N000     X20
N000 CALL OZOFA MSP=0 APP=3 IMP=1 DNG=0.02
N000 G00 Z10
N000     X200
N000     X500 Z500
	
end

case gauging_oneFixedLine ProcessMeasuerOutside
state duomill groups T=5
text
N000 CALL OXMS
end
