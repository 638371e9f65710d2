# Drilling on the centre line: the HSS drill (G74 cycle) and the insert drill (feed moves).
# Both leave the drill diameter as the inside diameter for the processes after them.
#
# The format and how to add a case: step 4 of src/process/generators/README.md.

# 1000 x 20 / 3.14 / 10 = 636.9 -> S630; K = 50 - 2 - 3; without a peck depth
# D = Int(2 + 30 + 4).
#
case hssDrill.plainTurret_noPeck ProcessDrillHss
state T=5 V=20 F=0.1 U=10 D=0 L=0 StartZ=2 EndZ=-30
after InnerDia=10
text
(-----< DRILL D10 >-----)
N000 G00 X0 Z50 T0505 M42 S630 M03 M63 M08
NT05 G74 X0 Z-30 K45 D36 F0.1
N000 G00 X500 Z500
	
end

case hssDrill.toolData ProcessDrillHss
state T=5 V=20 F=0.1 U=10 D=0 L=0 StartZ=2 EndZ=-30 toolData
after InnerDia=10
text
(-----< DRILL D10 >-----)
NOEX VTLIN[5]=22 VTLFN[5]=1 VTLA1[5]=118
NOEX VTLD[5]=10 VTLL[5]=52
N000 G00 X0 Z50 T0505 M42 S630 M03 M63 M08
NT05 G74 X0 Z-30 K45 D36 F0.1
N000 G00 X500 Z500
	
end

case hssDrill.toolGroupsWithToolData ProcessDrillHss
state T=5 V=20 F=0.1 U=10 D=0 L=0 StartZ=2 EndZ=-30 groups toolData
after InnerDia=10
text
(-----< DRILL D10 >-----)
NOEX VGRIN[5]=22 VGRFN[5]=1 VGRA1[5]=118
NOEX VGRD[5]=10 VGRL[5]=52
N000 G00 X0 Z50 TG=5 OG=1 M42 S630 M03 M63 M08
NT05 G74 X0 Z-30 K45 D36 F0.1
N000 G00 X500 Z500
	
end

case hssDrill.duomill_returnsByG21 ProcessDrillHss
state T=5 V=20 F=0.1 U=10 D=0 L=0 StartZ=2 EndZ=-30 duomill macro=M421
after InnerDia=10
text
(-----< DRILL D10 >-----)
N000 MT=501
N000 M421
N000 G00 X0 Z50 TL=0505 M42 S630 M03 M63 M08
NT05 G74 X0 Z-30 K45 D36 F0.1
N000 G00 X200
N000 G21 HP=4 M05 M63 M09
	
end

case hssDrill.duomillGroupsToolData ProcessDrillHss
state T=5 V=20 F=0.1 U=10 D=0 L=0 StartZ=2 EndZ=-30 duomill groups toolData macro=M321
after InnerDia=10
text
(-----< DRILL D10 >-----)
NOEX VGRIN[5]=22 VGRFN[5]=1 VGRA1[5]=118
NOEX VGRD[5]=10 VGRL[5]=52
N000 MT=1 TG=5
N000 M321
N000 G00 X0 Z50 TG=5 OG=1 M42 S630 M03 M63 M08
NT05 G74 X0 Z-30 K45 D36 F0.1
N000 G00 X200
N000 G21 HP=4 M05 M63 M09
	
end

# 1000 x 25 / 3.14 / 8.5 = 936.7 -> S930.
case hssDrill.peckAndL_reverseDry ProcessDrillHss
state T=12 V=25 F=0.15 U=8.5 D=5 L=2 StartZ=0 EndZ=-40.5 ccw coolantOff
after InnerDia=8.5
text
(-----< DRILL D8.5 >-----)
N000 G00 X0 Z50 T1212 M42 S930 M04 M63 M09
NT12 G74 X0 Z-40.5 K47 D5 L2 F0.15
N000 G00 X500 Z500
	
end

# Int(1.5 + 20.7 + 4) = 26; K = 50 - 1.5 - 3; the length 1.5 + 20.7 + 20.
case hssDrill.fractionalDepths_toolData ProcessDrillHss
state T=3 V=20 F=0.08 U=10 StartZ=1.5 EndZ=-20.7 toolData
after InnerDia=10
text
(-----< DRILL D10 >-----)
NOEX VTLIN[3]=22 VTLFN[3]=1 VTLA1[3]=118
NOEX VTLD[3]=10 VTLL[3]=42.2
N000 G00 X0 Z50 T0303 M42 S630 M03 M63 M08
NT03 G74 X0 Z-20.7 K45.5 D26 F0.08
N000 G00 X500 Z500
	
end

# 1000 x 31.4 / 3.14 / 10 is exactly 1000; the approach Z comes as text from the store.
case hssDrill.speedExactly1000_approachAsText ProcessDrillHss
state T=5 V=31.4 F=0.1 U=10 StartZ=0 EndZ=-10 AppZ=100.5
after InnerDia=10
text
(-----< DRILL D10 >-----)
N000 G00 X0 Z100.5 T0505 M42 S1000 M03 M63 M08
NT05 G74 X0 Z-10 K97.5 D14 F0.1
N000 G00 X500 Z500
	
end

case hssDrill.negativePeckMeansNone_negativeLOmitted ProcessDrillHss
state T=5 V=20 F=0.1 U=10 D=-1 L=-2 StartZ=2 EndZ=-30
after InnerDia=10
text
(-----< DRILL D10 >-----)
N000 G00 X0 Z50 T0505 M42 S630 M03 M63 M08
NT05 G74 X0 Z-30 K45 D36 F0.1
N000 G00 X500 Z500
	
end

# 1000 x 150 / 3.14 / 20 = 2388.5 -> S2380.
#
case insertDrill.entryAndBreakthrough ProcessDrillU
state T=10 V=150 F=0.15 U=20 StartZ=0 EndZ=-45 D=2 L=3
after InnerDia=20
text
(-----< DRILL D20 >-----)
N000 G00 X0 Z50 T1010 M42 S2380 M03 M63 M08
NT10     Z3
N000 G01 Z-2 F0.075
N000     Z-42 F0.15
N000     Z-45 F0.075
N000 G00 Z50
N000     X500 Z500
	
end

case insertDrill.entryOnly ProcessDrillU
state T=10 V=150 F=0.15 U=20 StartZ=0 EndZ=-45 D=2 L=0
after InnerDia=20
text
(-----< DRILL D20 >-----)
N000 G00 X0 Z50 T1010 M42 S2380 M03 M63 M08
NT10     Z3
N000 G01 Z-2 F0.075
N000     Z-45 F0.15
N000 G00 Z50
N000     X500 Z500
	
end

case insertDrill.breakthroughOnly ProcessDrillU
state T=10 V=150 F=0.15 U=20 StartZ=0 EndZ=-45 D=0 L=3
after InnerDia=20
text
(-----< DRILL D20 >-----)
N000 G00 X0 Z50 T1010 M42 S2380 M03 M63 M08
NT10     Z3
N000 G01 Z-42 F0.15
N000     Z-45 F0.075
N000 G00 Z50
N000     X500 Z500
	
end

case insertDrill.neither_oneMoveAtFullFeed ProcessDrillU
state T=10 V=150 F=0.15 U=20 StartZ=0 EndZ=-45 D=0 L=0
after InnerDia=20
text
(-----< DRILL D20 >-----)
N000 G00 X0 Z50 T1010 M42 S2380 M03 M63 M08
NT10     Z3
N000 G01 Z-45 F0.15
N000 G00 Z50
N000     X500 Z500
	
end

case insertDrill.negativeLengthsMeanNone ProcessDrillU
state T=10 V=150 F=0.15 U=20 StartZ=0 EndZ=-45 D=-1 L=-1
after InnerDia=20
text
(-----< DRILL D20 >-----)
N000 G00 X0 Z50 T1010 M42 S2380 M03 M63 M08
NT10     Z3
N000 G01 Z-45 F0.15
N000 G00 Z50
N000     X500 Z500
	
end

# Decimal floors: -16 - 0.1 is -16.1 and half of 0.29 is 0.145, never -16.101 or 0.144.
case insertDrill.decimalFloors ProcessDrillU
state T=10 V=150 F=0.29 U=20 StartZ=-16 EndZ=-60 D=0.1 L=0.3
after InnerDia=20
text
(-----< DRILL D20 >-----)
N000 G00 X0 Z50 T1010 M42 S2380 M03 M63 M08
NT10     Z-13
N000 G01 Z-16.1 F0.145
N000     Z-59.7 F0.29
N000     Z-60 F0.145
N000 G00 Z50
N000     X500 Z500
	
end

case insertDrill.duomillGroupsToolData ProcessDrillU
state T=10 V=150 F=0.15 U=20 StartZ=0 EndZ=-45 D=2 L=3 duomill groups toolData macro=M441
after InnerDia=20
text
(-----< DRILL D20 >-----)
NOEX VGRIN[10]=23 VGRFN[10]=1 VGRA1[10]=180
NOEX VGRD[10]=20 VGRL[10]=65
N000 MT=1 TG=10
N000 M441
N000 G00 X0 Z50 TG=10 OG=1 M42 S2380 M03 M63 M08
NT10     Z3
N000 G01 Z-2 F0.075
N000     Z-42 F0.15
N000     Z-45 F0.075
N000 G00 Z50
N000     X200
N000 G21 HP=4 M05 M63 M09
	
end

case insertDrill.duomillNumbersToolData ProcessDrillU
state T=10 V=150 F=0.15 U=20 StartZ=0 EndZ=-45 D=0 L=0 duomill toolData macro=M421 AppX=150
after InnerDia=20
text
(-----< DRILL D20 >-----)
NOEX VTLIN[10]=23 VTLFN[10]=1 VTLA1[10]=180
NOEX VTLD[10]=20 VTLL[10]=65
N000 MT=1001
N000 M421
N000 G00 X0 Z50 TL=1010 M42 S2380 M03 M63 M08
NT10     Z3
N000 G01 Z-45 F0.15
N000 G00 Z50
N000     X150
N000 G21 HP=4 M05 M63 M09
	
end

# The diameter is floored to three decimals, written and left as the new bore;
# 1000 x 20 / 3.14 / 10.234 = 622.4 -> S620; K = 50 - 0 - 3; D = Int(0 + 20 + 4).
case hssDrill.roundedDiameterIsTheNewBore ProcessDrillHss
state T=5 V=20 F=0.1 U=10.2345 StartZ=0 EndZ=-20
after InnerDia=10.234
text
(-----< DRILL D10.234 >-----)
N000 G00 X0 Z50 T0505 M42 S620 M03 M63 M08
NT05 G74 X0 Z-20 K47 D24 F0.1
N000 G00 X500 Z500
	
end

# A drill diameter of 0 stops the generator with the division error.
case zeroDiameter.hss ProcessDrillHss
state T=5 V=20 F=0.1 U=0 StartZ=0 EndZ=-20
error 11
end

case zeroDiameter.insert ProcessDrillU
state T=5 V=20 F=0.1 U=0 StartZ=0 EndZ=-20
error 11
end

# A cutting speed beyond the doubles, or a speed of more than eight digits, stops the generator
# with the overflow error: no Sinf is written. 1000 x 1000 / 3.14 / 0.001 = 318471337.6.
case speedOverflow.hugeSpeed ProcessDrillHss
state T=5 V=1e308 F=0.1 U=10 StartZ=0 EndZ=-20
error 6
end

case speedOverflow.nineDigits ProcessDrillU
state T=5 V=1000 F=0.1 U=0.001 StartZ=0 EndZ=-20
error 6
end
