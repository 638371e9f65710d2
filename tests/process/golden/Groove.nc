# Grooves. Expected texts are worked out by hand: the spindle speed is Int(1000 V / 3.14 / d / 10) * 10
# at the reference diameter of the member, the tool word selects the first insert edge with
# offset, tool and nose-radius offset (T050505), the second edge is T25 in the cycle block and
# T250525 in a move (tool x 10101 + 200020), the first edge again T50505 (tool x 10101).
#
# The format and how to add a case: step 4 of src/process/generators/README.md.

# Facing groove. Speed at the mouth X60: 100000 / 3.14 / 60 = 530.7 -> S530. Chamfer
# starts at 60 - 2 x (0.5 + 0.5) and 40 + 2 x (0.5 + 0.5).
#
case facingGroove.turretNumbers ProcessGroovePLAN
state T=5 V=100 F=0.05 U=0.5 W=0.5 D=2 L=3 C=0.5 StartX=60 StartZ=0 EndX=40 EndZ=-5
text
(-----< UTV.GROOVE PLAN >-----)
N000 G00 X60.5 Z50 T050505 M42 S530 M03 M63 M08
NT05     Z2 G96 S100
N000 G74 X39.5 Z-4.5 D2 I2.5 F0.05 T25
N000 G00 X58
N000 G01 Z0.5 G42 F0.3
N000     X60 A135 F0.05
N000     Z-5 G40 K-1
N000     X60.5
N000 G00 Z2
N000     X42 T250525
N000 G01 Z0.5 G41 F0.3
N000     X40 A-135 F0.05
N000     Z-5 G40 K-1
N000     X60.5 T50505
N000 G00 Z50
N000     X500 Z500 G97 S530 M63
	
end

case facingGroove.toolGroupsWithToolData ProcessGroovePLAN
state T=5 V=100 F=0.05 U=0.5 W=0.5 D=2 L=3 C=0.5 StartX=60 StartZ=0 EndX=40 EndZ=-5 groups toolData
text
(-----< UTV.GROOVE PLAN >-----)
NOEX VGRIN[5]=21 VGRFN[5]=1 VGRA1[5]=180
NOEX VGRW[5]=3 VGRL[5]=40
N000 G00 X60.5 Z50 TG=5 OG=1 M42 S530 M03 M63 M08
NT05     Z2 G96 S100
N000 G74 X39.5 Z-4.5 D2 I2.5 F0.05 OG=2
N000 G00 X58
N000 G01 Z0.5 G42 F0.3
N000     X60 A135 F0.05
N000     Z-5 G40 K-1
N000     X60.5
N000 G00 Z2
N000     X42 OG=2
N000 G01 Z0.5 G41 F0.3
N000     X40 A-135 F0.05
N000     Z-5 G40 K-1
N000     X60.5 OG=1
N000 G00 Z50
N000     X500 Z500 G97 S530 M63
	
end

case facingGroove.duomillWithToolData ProcessGroovePLAN
state T=5 V=100 F=0.05 U=0.5 W=0.5 D=2 L=3 C=0.5 StartX=60 StartZ=0 EndX=40 EndZ=-5 duomill toolData macro=M441
text
(-----< UTV.GROOVE PLAN >-----)
NOEX VTLIN[5]=21 VTLFN[5]=1 VTLA1[5]=180
NOEX VTLW[5]=3 VTLL[5]=40
N000 MT=501
N000 M441
N000 G00 X60.5 Z50 TL=050505 M42 S530 M03 M63 M08
NT05     Z2 G96 S100
N000 G74 X39.5 Z-4.5 D2 I2.5 F0.05 T25
N000 G00 X58
N000 G01 Z0.5 G42 F0.3
N000     X60 A135 F0.05
N000     Z-5 G40 K-1
N000     X60.5
N000 G00 Z2
N000     X42 T250525
N000 G01 Z0.5 G41 F0.3
N000     X40 A-135 F0.05
N000     Z-5 G40 K-1
N000     X60.5 T50505
N000 G00 Z50
N000     X200 G97 S530 M63
N000 G21 HP=4 M05 M63 M09
	
end

case facingGroove.duomillToolGroups ProcessGroovePLAN
state T=5 V=100 F=0.05 U=0.5 W=0.5 D=2 L=3 C=0.5 StartX=60 StartZ=0 EndX=40 EndZ=-5 duomill groups AppX=150
text
(-----< UTV.GROOVE PLAN >-----)
N000 MT=1 TG=5
N000 M421
N000 G00 X60.5 Z50 TG=5 OG=1 M42 S530 M03 M63 M08
NT05     Z2 G96 S100
N000 G74 X39.5 Z-4.5 D2 I2.5 F0.05 OG=2
N000 G00 X58
N000 G01 Z0.5 G42 F0.3
N000     X60 A135 F0.05
N000     Z-5 G40 K-1
N000     X60.5
N000 G00 Z2
N000     X42 OG=2
N000 G01 Z0.5 G41 F0.3
N000     X40 A-135 F0.05
N000     Z-5 G40 K-1
N000     X60.5 OG=1
N000 G00 Z50
N000     X150 G97 S530 M63
N000 G21 HP=4 M05 M63 M09
	
end

# Tool 12: T121212, T32, T321232 and T121212. A groove at the centre gives no speed:
# the S words repeat the speed of the previous process.
case facingGroove.tool12_centreKeepsPreviousSpeed ProcessGroovePLAN
state T=12 V=80 F=0.04 U=0.2 W=0.1 D=1.5 L=2.5 C=0.3 StartX=0 StartZ=-2 EndX=20 EndZ=-8 S=777 ccw coolantOff
text
(-----< UTV.GROOVE PLAN >-----)
N000 G00 X0.2 Z50 T121212 M42 S777 M04 M63 M09
NT12     Z0 G96 S80
N000 G74 X19.8 Z-7.9 D1.5 I2 F0.04 T32
N000 G00 X-1.6
N000 G01 Z-1.5 G42 F0.3
N000     X0 A135 F0.04
N000     Z-8 G40 K-1
N000     X0.2
N000 G00 Z0
N000     X21.6 T321232
N000 G01 Z-1.5 G41 F0.3
N000     X20 A-135 F0.04
N000     Z-8 G40 K-1
N000     X0.2 T121212
N000 G00 Z50
N000     X500 Z500 G97 S777 M63
	
end

case facingGroove.noCuttingSpeedKeepsPreviousSpeed ProcessGroovePLAN
state T=5 V=0 F=0.05 U=0.5 W=0.5 D=2 L=3 C=0.5 StartX=60 StartZ=0 EndX=40 EndZ=-5 S=1234
text
(-----< UTV.GROOVE PLAN >-----)
N000 G00 X60.5 Z50 T050505 M42 S1234 M03 M63 M08
NT05     Z2 G96 S0
N000 G74 X39.5 Z-4.5 D2 I2.5 F0.05 T25
N000 G00 X58
N000 G01 Z0.5 G42 F0.3
N000     X60 A135 F0.05
N000     Z-5 G40 K-1
N000     X60.5
N000 G00 Z2
N000     X42 T250525
N000 G01 Z0.5 G41 F0.3
N000     X40 A-135 F0.05
N000     Z-5 G40 K-1
N000     X60.5 T50505
N000 G00 Z50
N000     X500 Z500 G97 S1234 M63
	
end

# Outside groove. Speed 2 mm (radius) outside the mouth, at X54:
# 120000 / 3.14 / 54 = 707.7 -> S700.
#
case outsideGroove.turretNumbers ProcessGrooveOD
state T=6 V=120 F=0.06 U=0.1 W=0.1 D=1 L=3 C=0.3 StartX=50 StartZ=-10 EndX=40 EndZ=-15
text
(-----< UTV.GROOVE >-----)
N000 G00 X200 Z-9.9 T060606 M42 S700 M03 M63 M08
NT06     X54
N000 G96 S120
N000 G73 X40.1 Z-15.1 D1 K2.5 F0.06 T26
N000 G00 Z-10.8
N000 G01 X51 G41 F0.3
N000     Z-10 A-45 F0.06
N000     X40 G40 I-1
N000     Z-9.9
N000 G00 X54
N000     Z-14.2 T260626
N000 G01 X51 G42 F0.3
N000     Z-15 A-135 F0.06
N000     X40 G40 I-1
N000     Z-9.9 T60606
N000 G00 X200 G97 S700 M63
N000     X500 Z500
	
end

case outsideGroove.toolGroupsWithToolData ProcessGrooveOD
state T=6 V=120 F=0.06 U=0.1 W=0.1 D=1 L=3 C=0.3 StartX=50 StartZ=-10 EndX=40 EndZ=-15 groups toolData HomeX=400 HomeZ=300
text
(-----< UTV.GROOVE >-----)
NOEX VGRIN[6]=19 VGRFN[6]=1 VGRA1[6]=180
NOEX VGRW[6]=3 VGRL[6]=40
N000 G00 X200 Z-9.9 TG=6 OG=1 M42 S700 M03 M63 M08
NT06     X54
N000 G96 S120
N000 G73 X40.1 Z-15.1 D1 K2.5 F0.06 OG=2
N000 G00 Z-10.8
N000 G01 X51 G41 F0.3
N000     Z-10 A-45 F0.06
N000     X40 G40 I-1
N000     Z-9.9
N000 G00 X54
N000     Z-14.2 OG=2
N000 G01 X51 G42 F0.3
N000     Z-15 A-135 F0.06
N000     X40 G40 I-1
N000     Z-9.9 OG=1
N000 G00 X200 G97 S700 M63
N000     X400 Z300
	
end

case outsideGroove.duomillWithToolData ProcessGrooveOD
state T=6 V=120 F=0.06 U=0.1 W=0.1 D=1 L=3 C=0.3 StartX=50 StartZ=-10 EndX=40 EndZ=-15 duomill toolData macro=M321 AppX=180
text
(-----< UTV.GROOVE >-----)
NOEX VTLIN[6]=19 VTLFN[6]=1 VTLA1[6]=180
NOEX VTLW[6]=3 VTLL[6]=40
N000 MT=601
N000 M321
N000 G00 X180 Z-9.9 TL=060606 M42 S700 M03 M63 M08
NT06     X54
N000 G96 S120
N000 G73 X40.1 Z-15.1 D1 K2.5 F0.06 T26
N000 G00 Z-10.8
N000 G01 X51 G41 F0.3
N000     Z-10 A-45 F0.06
N000     X40 G40 I-1
N000     Z-9.9
N000 G00 X54
N000     Z-14.2 T260626
N000 G01 X51 G42 F0.3
N000     Z-15 A-135 F0.06
N000     X40 G40 I-1
N000     Z-9.9 T60606
N000 G00 X180 G97 S700 M63
N000 G21 HP=4 M05 M63 M09
	
end

case outsideGroove.duomillToolGroups ProcessGrooveOD
state T=6 V=120 F=0.06 U=0.1 W=0.1 D=1 L=3 C=0.3 StartX=50 StartZ=-10 EndX=40 EndZ=-15 duomill groups
text
(-----< UTV.GROOVE >-----)
N000 MT=1 TG=6
N000 M421
N000 G00 X200 Z-9.9 TG=6 OG=1 M42 S700 M03 M63 M08
NT06     X54
N000 G96 S120
N000 G73 X40.1 Z-15.1 D1 K2.5 F0.06 OG=2
N000 G00 Z-10.8
N000 G01 X51 G41 F0.3
N000     Z-10 A-45 F0.06
N000     X40 G40 I-1
N000     Z-9.9
N000 G00 X54
N000     Z-14.2 OG=2
N000 G01 X51 G42 F0.3
N000     Z-15 A-135 F0.06
N000     X40 G40 I-1
N000     Z-9.9 OG=1
N000 G00 X200 G97 S700 M63
N000 G21 HP=4 M05 M63 M09
	
end

case outsideGroove.noCuttingSpeedKeepsPreviousSpeed_evenAtX-4 ProcessGrooveOD
state T=6 V=0 F=0.06 U=0.1 W=0.1 D=1 L=3 C=0.3 StartX=-4 StartZ=-10 EndX=40 EndZ=-15 S=1500
text
(-----< UTV.GROOVE >-----)
N000 G00 X200 Z-9.9 T060606 M42 S1500 M03 M63 M08
NT06     X0
N000 G96 S0
N000 G73 X40.1 Z-15.1 D1 K2.5 F0.06 T26
N000 G00 Z-10.8
N000 G01 X-3 G41 F0.3
N000     Z-10 A-45 F0.06
N000     X40 G40 I-1
N000     Z-9.9
N000 G00 X0
N000     Z-14.2 T260626
N000 G01 X-3 G42 F0.3
N000     Z-15 A-135 F0.06
N000     X40 G40 I-1
N000     Z-9.9 T60606
N000 G00 X200 G97 S1500 M63
N000     X500 Z500
	
end

# Sums of typed decimals stay exact: -10.1 + 0.1 is Z-10, never Z-10.001.
# 120000 / 3.14 / 54.3 = 703.8 -> S700.
case outsideGroove.decimalFloors ProcessGrooveOD
state T=6 V=120 F=0.06 U=0.3 W=0.1 D=1 L=3.2 C=0.2 StartX=50.3 StartZ=-10.1 EndX=40.1 EndZ=-15.1
text
(-----< UTV.GROOVE >-----)
N000 G00 X200 Z-10 T060606 M42 S700 M03 M63 M08
NT06     X54.3
N000 G96 S120
N000 G73 X40.4 Z-15.2 D1 K2.7 F0.06 T26
N000 G00 Z-10.8
N000 G01 X51.3 G41 F0.3
N000     Z-10.1 A-45 F0.06
N000     X40.1 G40 I-1
N000     Z-10
N000 G00 X54.3
N000     Z-14.4 T260626
N000 G01 X51.3 G42 F0.3
N000     Z-15.1 A-135 F0.06
N000     X40.1 G40 I-1
N000     Z-10 T60606
N000 G00 X200 G97 S700 M63
N000     X500 Z500
	
end

# Inside groove. Speed 2 mm (radius) inside the mouth, at X26:
# 100000 / 3.14 / 26 = 1224.9 -> S1220.
#
case insideGroove.turretNumbers ProcessGrooveID
state T=8 V=100 F=0.05 U=0.1 W=0.1 D=0.8 L=2 C=0.2 StartX=30 StartZ=-5 EndX=36 EndZ=-9
text
(-----<  INV.GROOVE >-----)
N000 G00 X26 Z50 T080808 M42 S1220 M03 M63 M08
NT08     Z-4.9
N000 G96 S100
N000 G73 X35.9 Z-9.1 D0.8 K1.5 F0.05 T28
N000 G00 Z-5.7
N000 G01 X29 G42 F0.3
N000     Z-5 A45 F0.05
N000     X36 G40 I1
N000     Z-4.9
N000 G00 X26
N000     Z-8.3 T280828
N000 G01 X29 G41 F0.3
N000     Z-9 A135 F0.05
N000     X36 G40 I1
N000     Z-4.9 T80808
N000 G00 X26
N000     Z50 G97 S1220 M63
N000     X500 Z500
	
end

# The boring bar's length reaches the groove bottom: -5 - -9 + 20.
case insideGroove.toolData ProcessGrooveID
state T=8 V=100 F=0.05 U=0.1 W=0.1 D=0.8 L=2 C=0.2 StartX=30 StartZ=-5 EndX=36 EndZ=-9 toolData
text
(-----<  INV.GROOVE >-----)
NOEX VTLIN[8]=20 VTLFN[8]=1 VTLA1[8]=180
NOEX VTLD[8]=20 VTLW[8]=2 VTLL[8]=24
N000 G00 X26 Z50 T080808 M42 S1220 M03 M63 M08
NT08     Z-4.9
N000 G96 S100
N000 G73 X35.9 Z-9.1 D0.8 K1.5 F0.05 T28
N000 G00 Z-5.7
N000 G01 X29 G42 F0.3
N000     Z-5 A45 F0.05
N000     X36 G40 I1
N000     Z-4.9
N000 G00 X26
N000     Z-8.3 T280828
N000 G01 X29 G41 F0.3
N000     Z-9 A135 F0.05
N000     X36 G40 I1
N000     Z-4.9 T80808
N000 G00 X26
N000     Z50 G97 S1220 M63
N000     X500 Z500
	
end

case insideGroove.duomillToolGroupsWithToolData ProcessGrooveID
state T=8 V=100 F=0.05 U=0.1 W=0.1 D=0.8 L=2 C=0.2 StartX=30 StartZ=-5 EndX=36 EndZ=-9 duomill groups toolData macro=M321
text
(-----<  INV.GROOVE >-----)
NOEX VGRIN[8]=20 VGRFN[8]=1 VGRA1[8]=180
NOEX VGRD[8]=20 VGRW[8]=2 VGRL[8]=24
N000 MT=1 TG=8
N000 M321
N000 G00 X26 Z50 TG=8 OG=1 M42 S1220 M03 M63 M08
NT08     Z-4.9
N000 G96 S100
N000 G73 X35.9 Z-9.1 D0.8 K1.5 F0.05 OG=2
N000 G00 Z-5.7
N000 G01 X29 G42 F0.3
N000     Z-5 A45 F0.05
N000     X36 G40 I1
N000     Z-4.9
N000 G00 X26
N000     Z-8.3 OG=2
N000 G01 X29 G41 F0.3
N000     Z-9 A135 F0.05
N000     X36 G40 I1
N000     Z-4.9 OG=1
N000 G00 X26
N000     Z50 G97 S1220 M63
N000     X200
N000 G21 HP=4 M05 M63 M09
	
end

case insideGroove.duomillNumbers ProcessGrooveID
state T=8 V=100 F=0.05 U=0.1 W=0.1 D=0.8 L=2 C=0.2 StartX=30 StartZ=-5 EndX=36 EndZ=-9 duomill AppX=250
text
(-----<  INV.GROOVE >-----)
N000 MT=801
N000 M421
N000 G00 X26 Z50 TL=080808 M42 S1220 M03 M63 M08
NT08     Z-4.9
N000 G96 S100
N000 G73 X35.9 Z-9.1 D0.8 K1.5 F0.05 T28
N000 G00 Z-5.7
N000 G01 X29 G42 F0.3
N000     Z-5 A45 F0.05
N000     X36 G40 I1
N000     Z-4.9
N000 G00 X26
N000     Z-8.3 T280828
N000 G01 X29 G41 F0.3
N000     Z-9 A135 F0.05
N000     X36 G40 I1
N000     Z-4.9 T80808
N000 G00 X26
N000     Z50 G97 S1220 M63
N000     X250
N000 G21 HP=4 M05 M63 M09
	
end

# Length -5.5 - -12.25 + 20 = 26.75; a width typed with four decimals is floored.
case insideGroove.fractionalLengthAndWidth ProcessGrooveID
state T=8 V=100 F=0.05 U=0.1 W=0 D=0.8 L=2.0005 C=0 StartX=30 StartZ=-5.5 EndX=36 EndZ=-12.25 toolData
text
(-----<  INV.GROOVE >-----)
NOEX VTLIN[8]=20 VTLFN[8]=1 VTLA1[8]=180
NOEX VTLD[8]=20 VTLW[8]=2 VTLL[8]=26.75
N000 G00 X26 Z50 T080808 M42 S1220 M03 M63 M08
NT08     Z-5.5
N000 G96 S100
N000 G73 X35.9 Z-12.25 D0.8 K1.5 F0.05 T28
N000 G00 Z-6
N000 G01 X29 G42 F0.3
N000     Z-5.5 A45 F0.05
N000     X36 G40 I1
N000     Z-5.5
N000 G00 X26
N000     Z-11.75 T280828
N000 G01 X29 G41 F0.3
N000     Z-12.25 A135 F0.05
N000     X36 G40 I1
N000     Z-5.5 T80808
N000 G00 X26
N000     Z50 G97 S1220 M63
N000     X500 Z500
	
end

# A reference diameter of 0 (the mouth 2 mm in radius from the centre line) stops the
# generator with the division error and leaves the previous block as it was.
case zeroReferenceDiameter.outsideAtX-4 ProcessGrooveOD
state T=5 V=100 F=0.05 StartX=-4 EndX=10 EndZ=-5
error 11
end

case zeroReferenceDiameter.insideAtX4 ProcessGrooveID
state T=5 V=100 F=0.05 StartX=4 EndX=10 EndZ=-5
error 11
end
