# Rough turning: outside, inside, face, and face and outside. Every case starts with the inside
# diameter 7 of an earlier drill; only the inside roughing leaves a new one.
#
# The format and how to add a case: step 4 of src/process/generators/README.md.

# 1000 x 180 / 3.14 / (40 + 6) = 1246.2 -> S1240; the contour starts 2 x C + 1 below
# StartX and ends 2 x C below EndX.
#
case outside.plainTurret ProcessGROVOD
state T=1 V=180 F=0.3 U=0.4 W=0.1 D=2 C=1 StartX=40 StartZ=0 EndX=60 EndZ=-50 InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV >-----)
N000 G00 X60 Z50 T010101 M41 S1240 M03 M63 M08
NT01     Z2 G96 S180
N000 G85 NAP2 D2 U0.4 W0.1 F0.3
NAP2 G81
N000 G00 X37
N000 G01 Z0.5 G42 F0.15
N000     X40 A135
N000     Z-50
N000     X58
N000     X60 A135
N000 G40 K-1
N000 G80
N000 G00 X500 Z500 G97 S1240 M63
	
end

case outside.toolData ProcessGROVOD
state T=1 V=180 F=0.3 U=0.4 W=0.1 D=2 C=1 StartX=40 StartZ=0 EndX=60 EndZ=-50 toolData InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV >-----)
NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=55
NOEX VTLA2[1]=3 VTLL[1]=40
N000 G00 X60 Z50 T010101 M41 S1240 M03 M63 M08
NT01     Z2 G96 S180
N000 G85 NAP2 D2 U0.4 W0.1 F0.3
NAP2 G81
N000 G00 X37
N000 G01 Z0.5 G42 F0.15
N000     X40 A135
N000     Z-50
N000     X58
N000     X60 A135
N000 G40 K-1
N000 G80
N000 G00 X500 Z500 G97 S1240 M63
	
end

case outside.toolGroupsWithoutDuomill ProcessGROVOD
state T=1 V=180 F=0.3 U=0.4 W=0.1 D=2 C=1 StartX=40 StartZ=0 EndX=60 EndZ=-50 groups InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV >-----)
N000 G00 X60 Z50 TG=1 OG=1 M41 S1240 M03 M63 M08
NT01     Z2 G96 S180
N000 G85 NAP2 D2 U0.4 W0.1 F0.3
NAP2 G81
N000 G00 X37
N000 G01 Z0.5 G42 F0.15
N000     X40 A135
N000     Z-50
N000     X58
N000     X60 A135
N000 G40 K-1
N000 G80
N000 G00 X500 Z500 G97 S1240 M63
	
end

case outside.duomill_returnsByG21 ProcessGROVOD
state T=1 V=180 F=0.3 U=0.4 W=0.1 D=2 C=1 StartX=40 StartZ=0 EndX=60 EndZ=-50 duomill InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV >-----)
N000 MT=101
N000 M421
N000 G00 X60 Z50 TL=010101 M41 S1240 M03 M63 M08
NT01     Z2 G96 S180
N000 G85 NAP2 D2 U0.4 W0.1 F0.3
NAP2 G81
N000 G00 X37
N000 G01 Z0.5 G42 F0.15
N000     X40 A135
N000     Z-50
N000     X58
N000     X60 A135
N000 G40 K-1
N000 G80
N000 G00 X200 G97 S1240 M63
N000 G21 HP=4 M05 M63 M09
	
end

case outside.duomillGroupsToolData ProcessGROVOD
state T=1 V=180 F=0.3 U=0.4 W=0.1 D=2 C=1 StartX=40 StartZ=0 EndX=60 EndZ=-50 duomill groups toolData macro=M441 AppX=150 InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV >-----)
NOEX VGRIN[1]=1 VGRFN[1]=1 VGRA1[1]=55
NOEX VGRA2[1]=3 VGRL[1]=40
N000 MT=1 TG=1
N000 M441
N000 G00 X60 Z50 TG=1 OG=1 M41 S1240 M03 M63 M08
NT01     Z2 G96 S180
N000 G85 NAP2 D2 U0.4 W0.1 F0.3
NAP2 G81
N000 G00 X37
N000 G01 Z0.5 G42 F0.15
N000     X40 A135
N000     Z-50
N000     X58
N000     X60 A135
N000 G40 K-1
N000 G80
N000 G00 X150 G97 S1240 M63
N000 G21 HP=4 M05 M63 M09
	
end

# No speed to compute: G96 S0, and the fixed speed of the process before stays.
case outside.zeroSpeed_keepsThePreviousSpeed ProcessGROVOD
state T=1 V=0 F=0.3 U=0.4 W=0.1 D=2 C=1 StartX=40 StartZ=0 EndX=60 EndZ=-50 S=870 InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV >-----)
N000 G00 X60 Z50 T010101 M41 S870 M03 M63 M08
NT01     Z2 G96 S0
N000 G85 NAP2 D2 U0.4 W0.1 F0.3
NAP2 G81
N000 G00 X37
N000 G01 Z0.5 G42 F0.15
N000     X40 A135
N000     Z-50
N000     X58
N000     X60 A135
N000 G40 K-1
N000 G80
N000 G00 X500 Z500 G97 S870 M63
	
end

# 1000 x 200 / 3.14 / 36 = 1769.3 -> S1760; without a chamfer the contour starts 1
# below StartX and both corner lines end at EndX.
case outside.noChamfer ProcessGROVOD
state T=5 V=200 F=0.25 U=0.3 W=0.05 D=1.5 C=0 StartX=30 StartZ=1 EndX=45.5 EndZ=-20.25 InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV >-----)
N000 G00 X45.5 Z50 T050505 M41 S1760 M03 M63 M08
NT05     Z3 G96 S200
N000 G85 NAP2 D1.5 U0.3 W0.05 F0.25
NAP2 G81
N000 G00 X29
N000 G01 Z1.5 G42 F0.15
N000     X30 A135
N000     Z-20.25
N000     X45.5
N000     X45.5 A135
N000 G40 K-1
N000 G80
N000 G00 X500 Z500 G97 S1760 M63
	
end

# 1000 x 150 / 3.14 / 46.1 = 1036.2 -> S1030; 40.1 - 1.6 is 38.5 and 59.9 - 0.6 is 59.3
# as typed; F and EndZ floored to three decimals.
case outside.decimalFloors_reverseDry_otherHome ProcessGROVOD
state T=12 V=150 F=0.2345 U=0.4 W=0.1 D=2 C=0.3 StartX=40.1 StartZ=-0.1 EndX=59.9 EndZ=-30.0005 ccw coolantOff HomeX=450 HomeZ=300.5 InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV >-----)
N000 G00 X59.9 Z50 T121212 M41 S1030 M04 M63 M09
NT12     Z1.9 G96 S150
N000 G85 NAP2 D2 U0.4 W0.1 F0.234
NAP2 G81
N000 G00 X38.5
N000 G01 Z0.4 G42 F0.15
N000     X40.1 A135
N000     Z-30.001
N000     X59.3
N000     X59.9 A135
N000 G40 K-1
N000 G80
N000 G00 X450 Z300.5 G97 S1030 M63
	
end

# 1000 x 160 / 3.14 / 36 = 1415.4 -> S1410; the contour starts 2 x C + 1 above StartX;
# the bore left for later is StartX.
#
case inside.plainTurret ProcessGROVID
state T=5 V=160 F=0.2 U=0.3 W=0.1 D=1.5 C=0.5 StartX=30 StartZ=0 EndX=20 EndZ=-25 InnerDia=7
after InnerDia=30
text
(-----<  INV.GROV >-----)
N000 G00 X20 Z50 T050505 M42 S1410 M03 M63 M08
NT05     Z2 G96 S160
N000 G85 NAP3 D1.5 U0.3 W0.1 F0.2
NAP3 G81
N000 G00 X32
N000 G01 Z0.5 G41 F0.15
N000     X30 A-135
N000     Z-25
N000     X21
N000     X20 A-135
N000 G40 K-1
N000 G80
N000 G00 Z50
N000     X500 Z500 G97 S1410 M63
	
end

# The usable length is StartZ - EndZ + 20.
case inside.toolData ProcessGROVID
state T=5 V=160 F=0.2 U=0.3 W=0.1 D=1.5 C=0.5 StartX=30 StartZ=0 EndX=20 EndZ=-25 toolData InnerDia=7
after InnerDia=30
text
(-----<  INV.GROV >-----)
NOEX VTLIN[5]=2 VTLFN[5]=1 VTLA1[5]=60
NOEX VTLA2[5]=3 VTLD[5]=20 VTLL[5]=45
N000 G00 X20 Z50 T050505 M42 S1410 M03 M63 M08
NT05     Z2 G96 S160
N000 G85 NAP3 D1.5 U0.3 W0.1 F0.2
NAP3 G81
N000 G00 X32
N000 G01 Z0.5 G41 F0.15
N000     X30 A-135
N000     Z-25
N000     X21
N000     X20 A-135
N000 G40 K-1
N000 G80
N000 G00 Z50
N000     X500 Z500 G97 S1410 M63
	
end

case inside.duomillGroupsToolData ProcessGROVID
state T=5 V=160 F=0.2 U=0.3 W=0.1 D=1.5 C=0.5 StartX=30 StartZ=0 EndX=20 EndZ=-25 duomill groups toolData macro=M321 InnerDia=7
after InnerDia=30
text
(-----<  INV.GROV >-----)
NOEX VGRIN[5]=2 VGRFN[5]=1 VGRA1[5]=60
NOEX VGRA2[5]=3 VGRD[5]=20 VGRL[5]=45
N000 MT=1 TG=5
N000 M321
N000 G00 X20 Z50 TG=5 OG=1 M42 S1410 M03 M63 M08
NT05     Z2 G96 S160
N000 G85 NAP3 D1.5 U0.3 W0.1 F0.2
NAP3 G81
N000 G00 X32
N000 G01 Z0.5 G41 F0.15
N000     X30 A-135
N000     Z-25
N000     X21
N000     X20 A-135
N000 G40 K-1
N000 G80
N000 G00 Z50
N000     X200 G97 S1410 M63
N000 G21 HP=4 M05 M63 M09
	
end

# The bore left for later is StartX floored to three decimals; length 0.5 + 12.3 + 20.
case inside.noChamfer_zeroSpeed_roundedBore ProcessGROVID
state T=8 V=0 S=650 F=0.1 U=0.2 W=0.05 D=1 C=0 StartX=25.4567 StartZ=0.5 EndX=18 EndZ=-12.3 toolData InnerDia=7
after InnerDia=25.456
text
(-----<  INV.GROV >-----)
NOEX VTLIN[8]=2 VTLFN[8]=1 VTLA1[8]=60
NOEX VTLA2[8]=3 VTLD[8]=20 VTLL[8]=32.8
N000 G00 X18 Z50 T080808 M42 S650 M03 M63 M08
NT08     Z2.5 G96 S0
N000 G85 NAP3 D1 U0.2 W0.05 F0.1
NAP3 G81
N000 G00 X26.456
N000 G01 Z1 G41 F0.15
N000     X25.456 A-135
N000     Z-12.3
N000     X18
N000     X18 A-135
N000 G40 K-1
N000 G80
N000 G00 Z50
N000     X500 Z500 G97 S650 M63
	
end

# 1000 x 200 / 3.14 / (80 + 6) = 740.6 -> S740; the hidden U, D and C are not written.
#
case face.plainTurret ProcessGROVPLAN
state T=1 V=200 F=0.25 U=0.4 D=2.5 C=1 W=0.1 L=2 StartX=80 StartZ=3 EndX=20 EndZ=0 InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV PLAN >-----)
N000 G00 X86 Z50 T010101 M41 S740 M03 M63 M08
NT01     Z3 G96 S200
N000 G85 NAP1 D2 W0.1 F0.25
NAP1 G82
N000 G00 Z0
N000 G01 X80 G41 F0.15
N000     X20
N000 G40 I-1
N000 G80
N000 G00 X500 Z500 G97 S740 M63
	
end

case face.toolData ProcessGROVPLAN
state T=1 V=200 F=0.25 U=0.4 D=2.5 C=1 W=0.1 L=2 StartX=80 StartZ=3 EndX=20 EndZ=0 toolData InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV PLAN >-----)
NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80
NOEX VTLA2[1]=5 VTLL[1]=40
N000 G00 X86 Z50 T010101 M41 S740 M03 M63 M08
NT01     Z3 G96 S200
N000 G85 NAP1 D2 W0.1 F0.25
NAP1 G82
N000 G00 Z0
N000 G01 X80 G41 F0.15
N000     X20
N000 G40 I-1
N000 G80
N000 G00 X500 Z500 G97 S740 M63
	
end

case face.duomillToolData ProcessGROVPLAN
state T=1 V=200 F=0.25 U=0.4 D=2.5 C=1 W=0.1 L=2 StartX=80 StartZ=3 EndX=20 EndZ=0 duomill toolData macro=M441 InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV PLAN >-----)
NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80
NOEX VTLA2[1]=5 VTLL[1]=40
N000 MT=101
N000 M441
N000 G00 X86 Z50 TL=010101 M41 S740 M03 M63 M08
NT01     Z3 G96 S200
N000 G85 NAP1 D2 W0.1 F0.25
NAP1 G82
N000 G00 Z0
N000 G01 X80 G41 F0.15
N000     X20
N000 G40 I-1
N000 G80
N000 G00 X200 G97 S740 M63
N000 G21 HP=4 M05 M63 M09
	
end

# 1000 x 180 / 3.14 / 56.5 = 1014.6 -> S1010.
case face.groups_toCentre_fractions ProcessGROVPLAN
state T=2 V=180 F=0.2 W=0.05 L=0.5 StartX=50.5 StartZ=0.2 EndX=0 EndZ=-0.35 groups InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV PLAN >-----)
N000 G00 X56.5 Z50 TG=2 OG=1 M41 S1010 M03 M63 M08
NT02     Z0.2 G96 S180
N000 G85 NAP1 D0.5 W0.05 F0.2
NAP1 G82
N000 G00 Z-0.35
N000 G01 X50.5 G41 F0.15
N000     X0
N000 G40 I-1
N000 G80
N000 G00 X500 Z500 G97 S1010 M63
	
end

# 1000 x 200 / 3.14 / (60 + 6) = 965.1 -> S960; approach at the blank diameter + 6;
# facing feed 0.3 x 0.8.
#
# Face stock 3 - 0 is more than L 2: a facing cycle.
case faceAndOutside.faceCycle_toolData ProcessGROVPLANOD
state T=1 V=200 F=0.3 U=0.4 W=0.1 D=2.5 L=2 C=1 SZ=17 StartX=60 StartZ=0 EndX=80 EndZ=-40 PZero=3 OD=80 toolData InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV >-----)
NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80
NOEX VTLA2[1]=5 VTLL[1]=40
N000 G00 X86 Z50 T010101 M41 S960 M03 M63 M08
NT01     Z3 G96 S200
N000 G85 NAP1 D2 W0.1 F0.24
NAP1 G82
N000 G00 Z0
N000 G01 X17
N000 G80
N000 G00 X80 Z2
N000 G85 NAP2 D2.5 U0.4 W0.1 F0.3
NAP2 G81
N000 G00 X57
N000 G01 Z0.5 G42 F0.15
N000     X60 A135
N000     Z-40
N000     X78
N000     X80 A135
N000 G40 K-1
N000 G80
N000 G00 X500 Z500 G97 S960 M63
	
end

case faceAndOutside.faceCycleToCentre ProcessGROVPLANOD
state T=1 V=200 F=0.3 U=0.4 W=0.1 D=2.5 L=2 C=1 SZ=0 StartX=60 StartZ=0 EndX=80 EndZ=-40 PZero=3 OD=80 InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV >-----)
N000 G00 X86 Z50 T010101 M41 S960 M03 M63 M08
NT01     Z3 G96 S200
N000 G85 NAP1 D2 W0.1 F0.24
NAP1 G82
N000 G00 Z0
N000 G01 X0 G41 I1
N000 G40 I-1
N000 G80
N000 G00 X80 Z2
N000 G85 NAP2 D2.5 U0.4 W0.1 F0.3
NAP2 G81
N000 G00 X57
N000 G01 Z0.5 G42 F0.15
N000     X60 A135
N000     Z-40
N000     X78
N000     X80 A135
N000 G40 K-1
N000 G80
N000 G00 X500 Z500 G97 S960 M63
	
end

# Face stock 2 equals L: one pass at StartZ + W.
case faceAndOutside.stockEqualsDepth_onePass ProcessGROVPLANOD
state T=1 V=200 F=0.3 U=0.4 W=0.1 D=2.5 L=2 C=1 SZ=17 StartX=60 StartZ=0 EndX=80 EndZ=-40 PZero=2 OD=80 InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV >-----)
N000 G00 X86 Z50 T010101 M41 S960 M03 M63 M08
NT01     Z0.1 G96 S200
N000 G01 X17 F0.24
N000 G00 X80 Z2
N000 G85 NAP2 D2.5 U0.4 W0.1 F0.3
NAP2 G81
N000 G00 X57
N000 G01 Z0.5 G42 F0.15
N000     X60 A135
N000     Z-40
N000     X78
N000     X80 A135
N000 G40 K-1
N000 G80
N000 G00 X500 Z500 G97 S960 M63
	
end

case faceAndOutside.onePassToCentre ProcessGROVPLANOD
state T=1 V=200 F=0.3 U=0.4 W=0.1 D=2.5 L=2 C=1 SZ=0 StartX=60 StartZ=0 EndX=80 EndZ=-40 PZero=1 OD=80 InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV >-----)
N000 G00 X86 Z50 T010101 M41 S960 M03 M63 M08
NT01     Z0.1 G96 S200
N000 G01 X0 G41 I1 F0.24
N000 G40 I-1
N000 G00 X80 Z2
N000 G85 NAP2 D2.5 U0.4 W0.1 F0.3
NAP2 G81
N000 G00 X57
N000 G01 Z0.5 G42 F0.15
N000     X60 A135
N000     Z-40
N000     X78
N000     X80 A135
N000 G40 K-1
N000 G80
N000 G00 X500 Z500 G97 S960 M63
	
end

# 1.1 - 0.2 is the depth 0.9 as typed, not a hair more.
case faceAndOutside.decimalStockEqualsDepth_onePass ProcessGROVPLANOD
state T=1 V=200 F=0.3 U=0.4 W=0.1 D=2.5 L=0.9 C=1 SZ=17 StartX=60 StartZ=0.2 EndX=80 EndZ=-40 PZero=1.1 OD=80 InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV >-----)
N000 G00 X86 Z50 T010101 M41 S960 M03 M63 M08
NT01     Z0.3 G96 S200
N000 G01 X17 F0.24
N000 G00 X80 Z2.2
N000 G85 NAP2 D2.5 U0.4 W0.1 F0.3
NAP2 G81
N000 G00 X57
N000 G01 Z0.7 G42 F0.15
N000     X60 A135
N000     Z-40
N000     X78
N000     X80 A135
N000 G40 K-1
N000 G80
N000 G00 X500 Z500 G97 S960 M63
	
end

case faceAndOutside.stockJustAboveDepth_cycle ProcessGROVPLANOD
state T=1 V=200 F=0.3 U=0.4 W=0.1 D=2.5 L=2 C=1 SZ=17 StartX=60 StartZ=0 EndX=80 EndZ=-40 PZero=2.001 OD=80 InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV >-----)
N000 G00 X86 Z50 T010101 M41 S960 M03 M63 M08
NT01     Z2.001 G96 S200
N000 G85 NAP1 D2 W0.1 F0.24
NAP1 G82
N000 G00 Z0
N000 G01 X17
N000 G80
N000 G00 X80 Z2
N000 G85 NAP2 D2.5 U0.4 W0.1 F0.3
NAP2 G81
N000 G00 X57
N000 G01 Z0.5 G42 F0.15
N000     X60 A135
N000     Z-40
N000     X78
N000     X80 A135
N000 G40 K-1
N000 G80
N000 G00 X500 Z500 G97 S960 M63
	
end

case faceAndOutside.duomillGroupsToolData ProcessGROVPLANOD
state T=1 V=200 F=0.3 U=0.4 W=0.1 D=2.5 L=2 C=1 SZ=17 StartX=60 StartZ=0 EndX=80 EndZ=-40 PZero=3 OD=80 duomill groups toolData InnerDia=7
after InnerDia=7
text
(-----< UTV.GROV >-----)
NOEX VGRIN[1]=1 VGRFN[1]=1 VGRA1[1]=80
NOEX VGRA2[1]=5 VGRL[1]=40
N000 MT=1 TG=1
N000 M421
N000 G00 X86 Z50 TG=1 OG=1 M41 S960 M03 M63 M08
NT01     Z3 G96 S200
N000 G85 NAP1 D2 W0.1 F0.24
NAP1 G82
N000 G00 Z0
N000 G01 X17
N000 G80
N000 G00 X80 Z2
N000 G85 NAP2 D2.5 U0.4 W0.1 F0.3
NAP2 G81
N000 G00 X57
N000 G01 Z0.5 G42 F0.15
N000     X60 A135
N000     Z-40
N000     X78
N000     X80 A135
N000 G40 K-1
N000 G80
N000 G00 X200 G97 S960 M63
N000 G21 HP=4 M05 M63 M09
	
end

# The speed is taken at StartX + 6: a reference diameter of 0 stops each generator with
# the division error, and the speed of the process before stays; without a cutting speed
# there is nothing to divide.
case zeroReferenceDiameter.outside ProcessGROVOD
state T=1 V=100 StartX=-6 S=400
error 11
after S=400
end

case zeroReferenceDiameter.inside ProcessGROVID
state T=1 V=100 StartX=-6 S=400
error 11
after S=400
end

case zeroReferenceDiameter.face ProcessGROVPLAN
state T=1 V=100 StartX=-6 S=400
error 11
after S=400
end

case zeroReferenceDiameter.faceAndOutside ProcessGROVPLANOD
state T=1 V=100 StartX=-6 S=400
error 11
after S=400
end

case zeroReferenceDiameter.outsideWithoutSpeed ProcessGROVOD
state T=1 V=0 F=0.3 U=0.4 W=0.1 D=2 C=1 StartX=-6 StartZ=0 EndX=60 EndZ=-50 S=400
after S=400
text
(-----< UTV.GROV >-----)
N000 G00 X60 Z50 T010101 M41 S400 M03 M63 M08
NT01     Z2 G96 S0
N000 G85 NAP2 D2 U0.4 W0.1 F0.3
NAP2 G81
N000 G00 X-9
N000 G01 Z0.5 G42 F0.15
N000     X-6 A135
N000     Z-50
N000     X58
N000     X60 A135
N000 G40 K-1
N000 G80
N000 G00 X500 Z500 G97 S400 M63
	
end

case zeroReferenceDiameter.insideWithoutSpeed ProcessGROVID
state T=5 V=0 F=0.2 U=0.3 W=0.1 D=1.5 C=0.5 StartX=-6 StartZ=0 EndX=20 EndZ=-25 S=400
after S=400 InnerDia=-6
text
(-----<  INV.GROV >-----)
N000 G00 X20 Z50 T050505 M42 S400 M03 M63 M08
NT05     Z2 G96 S0
N000 G85 NAP3 D1.5 U0.3 W0.1 F0.2
NAP3 G81
N000 G00 X-4
N000 G01 Z0.5 G41 F0.15
N000     X-6 A-135
N000     Z-25
N000     X21
N000     X20 A-135
N000 G40 K-1
N000 G80
N000 G00 Z50
N000     X500 Z500 G97 S400 M63
	
end

case zeroReferenceDiameter.faceWithoutSpeed ProcessGROVPLAN
state T=1 V=0 F=0.25 U=0.4 D=2.5 C=1 W=0.1 L=2 StartX=-6 StartZ=3 EndX=20 EndZ=0 S=400
after S=400
text
(-----< UTV.GROV PLAN >-----)
N000 G00 X0 Z50 T010101 M41 S400 M03 M63 M08
NT01     Z3 G96 S0
N000 G85 NAP1 D2 W0.1 F0.25
NAP1 G82
N000 G00 Z0
N000 G01 X-6 G41 F0.15
N000     X20
N000 G40 I-1
N000 G80
N000 G00 X500 Z500 G97 S400 M63
	
end

case zeroReferenceDiameter.faceAndOutsideWithoutSpeed ProcessGROVPLANOD
state T=1 V=0 F=0.3 U=0.4 W=0.1 D=2.5 L=2 C=1 SZ=17 StartX=-6 StartZ=0 EndX=80 EndZ=-40 PZero=3 OD=80 S=400
after S=400
text
(-----< UTV.GROV >-----)
N000 G00 X86 Z50 T010101 M41 S400 M03 M63 M08
NT01     Z3 G96 S0
N000 G85 NAP1 D2 W0.1 F0.24
NAP1 G82
N000 G00 Z0
N000 G01 X17
N000 G80
N000 G00 X80 Z2
N000 G85 NAP2 D2.5 U0.4 W0.1 F0.3
NAP2 G81
N000 G00 X-9
N000 G01 Z0.5 G42 F0.15
N000     X-6 A135
N000     Z-40
N000     X78
N000     X80 A135
N000 G40 K-1
N000 G80
N000 G00 X500 Z500 G97 S400 M63
	
end
