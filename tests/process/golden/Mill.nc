# Key ways, slots and the circle of the rotating end mill, each block worked out by hand.
#
# The format and how to add a case: step 4 of src/process/generators/README.md.

# 1000 x 25 / 3.14 / 8 = 995.2 -> SB=990; K = 50 - 0 - 2.
case keyPlan_turret_oneKeyWritesQ1 ProcessMKeyPLAN
state T=19 V=25 F=0.05 U=8 W=0.03 D=1 L=0.1 C=1 StartX=40 StartZ=0 StartC=0 EndX=20 EndZ=-3
text
(-----< PLAN KEY W8 >-----)
N000 G94 M110 T191919
NT19 G00 X200 Z50 SB=990 M13 M63 M08
N000     X40
N000 G190 C0 X20 Z-3 K48 W0.1 E0.03 F=SB*0.05 Q1 M211 M213
N000 G180
N000 G00 Z50
N000     X500 Z500 M12 M63
	
end

# 1000 x 31.4 / 3.14 / 10 is exactly 1000; no W word without stock, no Q without keys.
case keyPlan_beforeK500_toolData_noStockNoCount ProcessMKeyPLAN
state T=5 V=31.4 F=0.04 U=10 W=0.02 L=0 C=0 StartX=30 StartZ=2 StartC=90 EndX=30 EndZ=-4 beforeK500 toolData coolantOff
text
(-----< PLAN KEY W10 >-----)
NOEX VTLIN[5]=36 VTLFN[5]=1
NOEX VTLD[5]=10 VTLL[5]=26
N000 G94 M110 T050505
NT05 G00 X200 Z50 SB=1000 M13 M64 M09
N000     X30 M62
N000 G190 C90 X30 Z-4 K46 E0.02 F=SB*0.04 M211 M213
N000 G180
N000 G00 Z50
N000     X500 Z500 M12 M64
N000     M62
	
end

case keyPlan_duomillGroupsTurretH1 ProcessMKeyPLAN
state T=19 V=25 F=0.05 U=8 W=0.03 D=1 L=0.1 C=4 StartX=40 StartZ=0 StartC=0 EndX=20 EndZ=-3 duomill groups toolData H1 macro=M441
text
(-----< PLAN KEY W8 >-----)
NOEX VGRIN[19]=36 VGRFN[19]=1
NOEX VGRD[19]=8 VGRL[19]=23
N000 MT=1 TG=19
N000 M441
N000 G94 M110 TG=19 OG=1
NT19 G00 X200 Z50 SB=990 M13 M63 M08
N000     X40
N000 G190 C0 X20 Z-3 K48 W0.1 E0.03 F=SB*0.05 Q4 M211 M213
N000 G180
N000 G00 Z50
N000 G21 HP=4 M12 M63 M09
	
end

# On a Duomill machine the return stays M63 and has no M62 line, even before K500.
case keyPlan_duomillNumbersTurretH2_beforeK500 ProcessMKeyPLAN
state T=19 V=25 F=0.05 U=8 W=0.03 D=1 L=0.1 C=1 StartX=40 StartZ=0 StartC=0 EndX=20 EndZ=-3 duomill beforeK500
text
(-----< PLAN KEY W8 >-----)
N000 MT=1903
N000 M421
N000 G94 M110 TL=191919
NT19 G00 X200 Z50 SB=990 M13 M64 M08
N000     X40 M62
N000 G190 C0 X20 Z-3 K48 W0.1 E0.03 F=SB*0.05 Q1 M211 M213
N000 G180
N000 G00 Z50
N000 G21 HP=4 M12 M63 M09
	
end

# I = 200 - 60 - 4.
case keySide_turret ProcessMKeySide
state T=20 V=25 F=0.05 U=8 W=0.03 L=0.1 C=2 StartX=60 StartZ=-10 StartC=0 EndX=52 EndZ=-30
text
(-----< SIDE KEY W8 >-----)
N000 G94 M110 T202020
NT20 G00 X200 Z50 SB=990 M13 M63 M08
N000     Z-10
N000 G190 C0 X52 Z-30 I136 U0.1 E0.03 F=SB*0.05 Q2 M211 M213
N000 G180
N000 G00 X200
N000     X500 Z500 M12 M63
	
end

# Length (60 - 52) / 2 + 20; the B axis turns to 90 degrees on the Duomill machine.
case keySide_duomillToolDataBeforeK500TurretH1 ProcessMKeySide
state T=20 V=25 F=0.05 U=8 W=0.03 L=0.1 C=2 StartX=60 StartZ=-10 StartC=0 EndX=52 EndZ=-30 duomill toolData beforeK500 H1
text
(-----< SIDE KEY W8 >-----)
NOEX VTLIN[20]=35 VTLFN[20]=1
NOEX VTLD[20]=8 VTLL[20]=24
N000 MT=2001
N000 M421
N000 G94 M110 TL=202020 G52 BA=90 M66
NT20 G00 X200 Z50 SB=990 M13 M64 M08
N000     Z-10 M62
N000 G190 C0 X52 Z-30 I136 U0.1 E0.03 F=SB*0.05 Q2 M211 M213
N000 G180
N000 G00 X200
N000 G21 HP=4 M12 M63 M09
	
end

# Length 8.25 / 2 + 20; I = 200 - 60.5 - 4; groups without the Duomill: no ATC block.
case keySide_groupsWithoutDuomill_noStockNoCount ProcessMKeySide
state T=20 V=25 F=0.05 U=8 W=0.03 L=0 C=0 StartX=60.5 StartZ=-10 StartC=0 EndX=52.25 EndZ=-30 groups toolData
text
(-----< SIDE KEY W8 >-----)
NOEX VGRIN[20]=35 VGRFN[20]=1
NOEX VGRD[20]=8 VGRL[20]=24.125
N000 G94 M110 TG=20 OG=1
NT20 G00 X200 Z50 SB=990 M13 M63 M08
N000     Z-10
N000 G190 C0 X52.25 Z-30 I135.5 E0.03 F=SB*0.05 M211 M213
N000 G180
N000 G00 X200
N000     X500 Z500 M12 M63
	
end

case keySlant_duomill_noToolDataEvenWhenAsked ProcessMKeySlant
state T=21 V=25 F=0.05 U=8 W=0.03 L=0.1 C=12.5 SZ=-100 B=45 StartX=10 StartZ=5 StartC=2 EndX=30 EndZ=5 EndC=-3 duomill toolData
text
(-----< SLANT KEY W8 >-----)
N000 MT=2103
N000 M421
N000 G94 M110 TL=212121 G52 BA=45 M66
NT21 G00 C0 X200 Z50 SB=990 M13 M63 M08
N000 G138
N000 G174 SX=12.5 SZ=-100
N000 G127 B45
N000 G00  X10 Y5 Z50
N000      Z4
N000 G190 X30 Y5 Z-3 K0 W0.1 E=SB*0.03 F=SB*0.05 M211 M213
N000 G180
N000 G00 Z50
N000 G175
N000 G126
N000 G136
N000 G21 HP=4 M12 M63 M09
	
end

case keySlant_turretBeforeK500_noShiftNoStock ProcessMKeySlant
state T=21 V=25 F=0.05 U=8 W=0.03 L=0 C=0 SZ=0 B=-30 StartX=10 StartZ=5 StartC=2 EndX=30 EndZ=5 EndC=-3 beforeK500
text
(-----< SLANT KEY W8 >-----)
N000 G94 M110 T212121
NT21 G00 C0 X200 Z50 SB=990 M13 M64 M08
N000     M62
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B-30
N000 G00  X10 Y5 Z50
N000      Z4
N000 G190 X30 Y5 Z-3 K0 E=SB*0.03 F=SB*0.05 M211 M213
N000 G180
N000 G00 Z50
N000 G175
N000 G126
N000 G136
N000     X500 Z500 M12 M64
N000     M62
	
end

# 1000 x 25 / 3.14 / 10 = 796.2 -> SB=790.
case millPlan_turret ProcessMSouseiPLAN
state T=22 V=25 F=0.05 U=10 StartX=40 StartZ=0 StartC=0 EndX=-40 EndZ=-5 EndC=0
text
(-----< PLAN ENDMILL D10 >-----)
N000 G94 M110 T222222
NT22 G00 C0 X200 Z50 SB=790 M13 M63 M08
N000     X40
N000     Z2
N000 G01 Z-5 M147 F=SB*0.05
N000 G101 C0 X-40 M146
N000 G00 Z50
N000     X500 Z500 M12 M63
	
end

# Only the face slot leaves the work in X before the Duomill return.
case millPlan_duomillGroupsToolDataBeforeK500 ProcessMSouseiPLAN
state T=22 V=25 F=0.05 U=10 StartX=40 StartZ=0 StartC=30 EndX=-40 EndZ=-5 EndC=120 duomill groups toolData beforeK500 macro=M321
text
(-----< PLAN ENDMILL D10 >-----)
NOEX VGRIN[22]=36 VGRFN[22]=1
NOEX VGRD[22]=10 VGRL[22]=25
N000 MT=3 TG=22
N000 M321
N000 G94 M110 TG=22 OG=1
NT22 G00 C30 X200 Z50 SB=790 M13 M64 M08
N000     X40 M62
N000     Z2
N000 G01 Z-5 M147 F=SB*0.05
N000 G101 C120 X-40 M146
N000 G00 Z50
N000     X200
N000 G21 HP=4 M12 M63 M09
	
end

case millSide_turret ProcessMSouseiSide
state T=22 V=25 F=0.05 U=10 StartX=50 StartZ=-10 StartC=0 EndX=44 EndZ=-10 EndC=90
text
(-----< SIDE ENDMILL D10 >-----)
N000 G94 M110 T222222
NT22 G00 C0 X200 Z50 SB=790 M13 M63 M08
N000     Z-10
N000     X54
N000 G01 X44 M147 F=SB*0.05
N000 G101 C90 Z-10 M146
N000 G00 X200
N000     X500 Z500 M12 M63
	
end

case millSide_duomillToolDataBeforeK500TurretH1CoolantOff ProcessMSouseiSide
state T=22 V=25 F=0.05 U=10 StartX=50 StartZ=-10 StartC=0 EndX=44 EndZ=-10 EndC=90 duomill toolData beforeK500 H1 coolantOff
text
(-----< SIDE ENDMILL D10 >-----)
NOEX VTLIN[22]=35 VTLFN[22]=1
NOEX VTLD[22]=10 VTLL[22]=23
N000 MT=2201
N000 M421
N000 G94 M110 TL=222222 G52 BA=90 M66
NT22 G00 C0 X200 Z50 SB=790 M13 M64 M09
N000     Z-10 M62
N000     X54
N000 G01 X44 M147 F=SB*0.05
N000 G101 C90 Z-10 M146
N000 G00 X200
N000 G21 HP=4 M12 M63 M09
	
end

# 1000 x 80 / 3.14 / 10 = 2547.7 -> SB=2540; the header gives the circle's diameter.
case circleSlant_threePasses ProcessMCircleSlant
state T=23 V=80 F=0.05 U=10 W=45 L=0 D=2 C=12 SZ=-80 B=30 StartX=0 StartZ=0 StartC=0 EndX=10 EndC=-5
text
(-----< SLANT CIRCLE D20 >-----)
N000 G94 M110 T232323
NT23 G00 C45 X200 Z50 SB=2540 M13 M63 M08
N000 G138
N000 G174 SX=12 SZ=-80
N000 G127 B30
N000 G17
N000 G00 X0 Y0 Z50
N000     Z2 M147
N000 G01 Z0 F=SB*0.05
N000     Z-2
N000     X10 G41
N000 G03 X-10 Y0 L10
N000     X10 Y0 L10
N000 G01 X0 G40
N000     Z-4
N000     X10 G41
N000 G03 X-10 Y0 L10
N000     X10 Y0 L10
N000 G01 X0 G40
N000     Z-5
N000     X10 G41
N000 G03 X-10 Y0 L10
N000     X10 Y0 L10
N000 G01 X0 G40
N000 G00 Z50
N000 G126 M146
N000 G175
N000 G136
N000     X500 Z500 M12 M63
	
end

# Length -5 - 0 + 20 (the hidden end Z reads 0).
case circleSlant_onePassWithRoughing_duomillGroupsH1BeforeK500 ProcessMCircleSlant
state T=23 V=80 F=0.05 U=10 W=0 L=0.5 D=0 C=0 SZ=0 B=45 StartX=5 StartZ=-5 StartC=1 EndX=8 EndC=-6 duomill groups toolData H1 beforeK500 macro=M441
text
(-----< SLANT CIRCLE D16 >-----)
NOEX VGRIN[23]=36 VGRFN[23]=1
NOEX VGRD[23]=10 VGRL[23]=15
N000 MT=1 TG=23
N000 M441
N000 G94 M110 TG=23 OG=1 G52 BA=45 M66
NT23 G00 C0 X200 Z50 SB=2540 M13 M64 M08
N000     M62
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B45
N000 G17
N000 G00 X5 Y-5 Z50
N000     Z3 M147
N000 G01 Z-6 F=SB*0.05
N000     X12.5 G41
N000 G03 X-2.5 Y-5 L7.5
N000     X12.5 Y-5 L7.5
N000 G01 X13
N000 G03 X-3 Y-5 L8
N000     X13 Y-5 L8
N000 G01 X5 G40
N000 G00 Z50
N000 G126 M146
N000 G175
N000 G136
N000 G21 HP=4 M12 M63 M09
	
end

# One circle round (StartX, StartZ) of radius EndX: two half circles entered and left
# from the centre under cutter compensation, after a roughing circle L inside it.
case circlePath_roughingHalfMillimetreInside ProcessMCircleSlant
state T=23 V=80 F=0.05 U=10 StartX=0 StartZ=0 EndX=10 L=0.5 EndC=-5
text
(-----< SLANT CIRCLE D20 >-----)
N000 G94 M110 T232323
NT23 G00 C0 X200 Z50 SB=2540 M13 M63 M08
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B0
N000 G17
N000 G00 X0 Y0 Z50
N000     Z2 M147
N000 G01 Z-5 F=SB*0.05
N000     X9.5 G41
N000 G03 X-9.5 Y0 L9.5
N000     X9.5 Y0 L9.5
N000 G01 X10
N000 G03 X-10 Y0 L10
N000     X10 Y0 L10
N000 G01 X0 G40
N000 G00 Z50
N000 G126 M146
N000 G175
N000 G136
N000     X500 Z500 M12 M63
	
end

case circlePath_noRoughing_centreOffOrigin ProcessMCircleSlant
state T=23 V=80 F=0.05 U=10 StartX=12 StartZ=-3 EndX=5 L=0 EndC=-5
text
(-----< SLANT CIRCLE D10 >-----)
N000 G94 M110 T232323
NT23 G00 C0 X200 Z50 SB=2540 M13 M63 M08
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B0
N000 G17
N000 G00 X12 Y-3 Z50
N000     Z2 M147
N000 G01 Z-5 F=SB*0.05
N000     X17 G41
N000 G03 X7 Y-3 L5
N000     X17 Y-3 L5
N000 G01 X12 G40
N000 G00 Z50
N000 G126 M146
N000 G175
N000 G136
N000     X500 Z500 M12 M63
	
end

case circlePath_fractions ProcessMCircleSlant
state T=23 V=80 F=0.05 U=10 StartX=-2.5 StartZ=4 EndX=7.25 L=0.25 EndC=-5
text
(-----< SLANT CIRCLE D14.5 >-----)
N000 G94 M110 T232323
NT23 G00 C0 X200 Z50 SB=2540 M13 M63 M08
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B0
N000 G17
N000 G00 X-2.5 Y4 Z50
N000     Z2 M147
N000 G01 Z-5 F=SB*0.05
N000     X4.5 G41
N000 G03 X-9.5 Y4 L7
N000     X4.5 Y4 L7
N000 G01 X4.75
N000 G03 X-9.75 Y4 L7.25
N000     X4.75 Y4 L7.25
N000 G01 X-2.5 G40
N000 G00 Z50
N000 G126 M146
N000 G175
N000 G136
N000     X500 Z500 M12 M63
	
end

# The depth lines of the circle and the circles milled: one at each step above the bottom,
# one at the bottom.
case depthPasses_noStep_oneCircleAtTheBottom ProcessMCircleSlant
state T=23 V=80 F=0.05 U=10 EndX=10 StartC=0 EndC=-5 D=0
text
(-----< SLANT CIRCLE D20 >-----)
N000 G94 M110 T232323
NT23 G00 C0 X200 Z50 SB=2540 M13 M63 M08
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B0
N000 G17
N000 G00 X0 Y0 Z50
N000     Z2 M147
N000 G01 Z-5 F=SB*0.05
N000     X10 G41
N000 G03 X-10 Y0 L10
N000     X10 Y0 L10
N000 G01 X0 G40
N000 G00 Z50
N000 G126 M146
N000 G175
N000 G136
N000     X500 Z500 M12 M63
	
end

case depthPasses_stepsEndingOnTheBottom ProcessMCircleSlant
state T=23 V=80 F=0.05 U=10 EndX=10 StartC=1 EndC=-1 D=1
text
(-----< SLANT CIRCLE D20 >-----)
N000 G94 M110 T232323
NT23 G00 C0 X200 Z50 SB=2540 M13 M63 M08
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B0
N000 G17
N000 G00 X0 Y0 Z50
N000     Z3 M147
N000 G01 Z1 F=SB*0.05
N000     Z0
N000     X10 G41
N000 G03 X-10 Y0 L10
N000     X10 Y0 L10
N000 G01 X0 G40
N000     Z-1
N000     X10 G41
N000 G03 X-10 Y0 L10
N000     X10 Y0 L10
N000 G01 X0 G40
N000 G00 Z50
N000 G126 M146
N000 G175
N000 G136
N000     X500 Z500 M12 M63
	
end

case depthPasses_stepDeeperThanTheBottom ProcessMCircleSlant
state T=23 V=80 F=0.05 U=10 EndX=10 StartC=0 EndC=-1 D=5
text
(-----< SLANT CIRCLE D20 >-----)
N000 G94 M110 T232323
NT23 G00 C0 X200 Z50 SB=2540 M13 M63 M08
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B0
N000 G17
N000 G00 X0 Y0 Z50
N000     Z2 M147
N000 G01 Z0 F=SB*0.05
N000     Z-1
N000     X10 G41
N000 G03 X-10 Y0 L10
N000     X10 Y0 L10
N000 G01 X0 G40
N000 G00 Z50
N000 G126 M146
N000 G175
N000 G136
N000     X500 Z500 M12 M63
	
end

# 0.7 three times is -2.1 exactly: the bottom is milled once.
case depthPasses_decimalStepsReachTheBottomExactly ProcessMCircleSlant
state T=23 V=80 F=0.05 U=10 EndX=10 StartC=0 EndC=-2.1 D=0.7
text
(-----< SLANT CIRCLE D20 >-----)
N000 G94 M110 T232323
NT23 G00 C0 X200 Z50 SB=2540 M13 M63 M08
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B0
N000 G17
N000 G00 X0 Y0 Z50
N000     Z2 M147
N000 G01 Z0 F=SB*0.05
N000     Z-0.7
N000     X10 G41
N000 G03 X-10 Y0 L10
N000     X10 Y0 L10
N000 G01 X0 G40
N000     Z-1.4
N000     X10 G41
N000 G03 X-10 Y0 L10
N000     X10 Y0 L10
N000 G01 X0 G40
N000     Z-2.1
N000     X10 G41
N000 G03 X-10 Y0 L10
N000     X10 Y0 L10
N000 G01 X0 G40
N000 G00 Z50
N000 G126 M146
N000 G175
N000 G136
N000     X500 Z500 M12 M63
	
end

# Each depth is floored as it is written and the next step starts from it.
case depthPasses_flooredDepthIsKept ProcessMCircleSlant
state T=23 V=80 F=0.05 U=10 EndX=10 StartC=0 EndC=-1 D=0.3333
text
(-----< SLANT CIRCLE D20 >-----)
N000 G94 M110 T232323
NT23 G00 C0 X200 Z50 SB=2540 M13 M63 M08
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B0
N000 G17
N000 G00 X0 Y0 Z50
N000     Z2 M147
N000 G01 Z0 F=SB*0.05
N000     Z-0.334
N000     X10 G41
N000 G03 X-10 Y0 L10
N000     X10 Y0 L10
N000 G01 X0 G40
N000     Z-0.668
N000     X10 G41
N000 G03 X-10 Y0 L10
N000     X10 Y0 L10
N000 G01 X0 G40
N000     Z-1
N000     X10 G41
N000 G03 X-10 Y0 L10
N000     X10 Y0 L10
N000 G01 X0 G40
N000 G00 Z50
N000 G126 M146
N000 G175
N000 G136
N000     X500 Z500 M12 M63
	
end

# A depth that would take more passes than any program holds stops with run-time error 7
# instead of running on.
case passCountIsBounded_justBeyond ProcessMCircleSlant
state T=23 V=80 U=10 EndX=10 D=0.001 EndC=-10.002
error 7
end

case passCountIsBounded_farBeyond ProcessMCircleSlant
state T=23 V=80 U=10 EndX=10 D=0.001 EndC=-1e300
error 7
end

# A finishing stock beyond any NC number stops with the overflow error instead of writing
# numbers of hundreds of digits.
case finishingStockOverflow ProcessMCircleSlant
state T=23 V=80 U=10 EndX=10 L=1e308
error 6
end

# An end mill diameter of 0 stops the generator with the division error.
case zeroDiameter_keyPlan ProcessMKeyPLAN
state T=5 V=25 U=0 EndX=10
error 11
end

case zeroDiameter_keySide ProcessMKeySide
state T=5 V=25 U=0 EndX=10
error 11
end

case zeroDiameter_keySlant ProcessMKeySlant
state T=5 V=25 U=0 EndX=10
error 11
end

case zeroDiameter_millPlan ProcessMSouseiPLAN
state T=5 V=25 U=0 EndX=10
error 11
end

case zeroDiameter_millSide ProcessMSouseiSide
state T=5 V=25 U=0 EndX=10
error 11
end

case zeroDiameter_circleSlant ProcessMCircleSlant
state T=5 V=25 U=0 EndX=10
error 11
end
