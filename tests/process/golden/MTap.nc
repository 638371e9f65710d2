# Tapping with a rotating tool on the face, the circumference and an inclined plane, and the
# planet tap's helix. Spindle speeds: 1000 x 8 / 3.14 / 10 = 254.7 -> SB=250, / 8 = 318.4 ->
# SB=310, / 2.5 = 1019.1 -> SB=1010; 1000 x 60 / 3.14 / 6 = 3184.7 -> SB=3180.
#
# The format and how to add a case: step 4 of src/process/generators/README.md.

# K = 50 - 0 - 5; one tap still writes its count.
case plan.oneTapWritesQ1_noAngle ProcessMTapPLAN
state T=16 V=8 F=1.5 U=10 C=1 StartX=30 EndZ=-15
text
(-----< PLAN TAP M10*P1.5 >-----)
N000 G95 M110 T161616
NT16 G00 X200 Z50 SB=250 M08
N000 G178 C0 X30 Z-15 K45 F1.5 Q1
N000 G180
N000 G00 Z50
N000     X500 Z500
	
end

# K = 50 - 2 - 5, length 2 + 12 + 20; taps write no M62 line before K500.
case plan.angleWithoutCount_toolData_beforeK500 ProcessMTapPLAN
state T=16 V=8 F=1.25 U=8 D=60 StartZ=2 StartC=90 EndZ=-12 toolData beforeK500 coolantOff
text
(-----< PLAN TAP M8*P1.25 >-----)
NOEX VTLIN[16]=32 VTLFN[16]=1
NOEX VTLD[16]=8 VTLL[16]=34
N000 G95 M110 T161616
NT16 G00 X200 Z50 SB=310 M09
N000 G178 C90 X0 Z-12 K43 D60 F1.25
N000 G180
N000 G00 Z50
N000     X500 Z500
	
end

case plan.duomillGroupsTurretH1_toolData ProcessMTapPLAN
state T=16 V=8 F=1.5 U=10 C=3 StartX=40 EndZ=-20 duomill groups H1 macro=M321 toolData
text
(-----< PLAN TAP M10*P1.5 >-----)
NOEX VGRIN[16]=32 VGRFN[16]=1
NOEX VGRD[16]=10 VGRL[16]=40
N000 MT=1 TG=16
N000 M321
N000 G95 M110 TG=16 OG=1
NT16 G00 X200 Z50 SB=250 M08
N000 G178 C0 X40 Z-20 K45 F1.5 Q3
N000 G180
N000 G00 Z50
N000     X200
N000 G21 HP=4 M12 M63 M09
	
end

# K = 30 + 0.5 - 5.
case plan.duomillNumbersTurretH2_fineThread ProcessMTapPLAN
state T=7 V=8 F=0.45 U=2.5 StartX=12 StartZ=-0.5 EndZ=-6 AppZ=30 duomill macro=M441
text
(-----< PLAN TAP M2.5*P0.45 >-----)
N000 MT=703
N000 M441
N000 G95 M110 TL=070707
NT07 G00 X200 Z30 SB=1010 M08
N000 G178 C0 X12 Z-6 K25.5 F0.45
N000 G180
N000 G00 Z30
N000     X200
N000 G21 HP=4 M12 M63 M09
	
end

# I = 250 - 60 - 10.
case side.approachX250_I180 ProcessMTapSide
state T=17 V=8 F=1.25 U=8 StartX=60 StartZ=-10 EndX=44 AppX=250
text
(-----< SIDE TAP M8*P1.25 >-----)
N000 G95 M110 T171717
NT17 G00 X250 Z50 SB=310 M08
N000 G178 C0 X44 Z-10 I180 F1.25 M136
N000 G180
N000 G00 X250
N000     X500 Z500
	
end

# I = 200 - 60 - 10; length (60 - 44) / 2 + 20.
case side.duomillTurretH2_toolData_angleAndCount ProcessMTapSide
state T=17 V=8 F=1.25 U=8 StartX=60 StartZ=-10 EndX=44 D=1 C=4 duomill toolData
text
(-----< SIDE TAP M8*P1.25 >-----)
NOEX VTLIN[17]=31 VTLFN[17]=1
NOEX VTLD[17]=8 VTLL[17]=28
N000 MT=1703
N000 M421
N000 G95 M110 TL=171717 G52 BA=90 M66
NT17 G00 X200 Z50 SB=310 M08
N000 G178 C0 X44 Z-10 I130 D1 F1.25 Q4 M136
N000 G180
N000 G00 X200
N000 G21 HP=4 M12 M63 M09
	
end

case side.turretLatheGroups_oneTap ProcessMTapSide
state T=17 V=8 F=1.25 U=8 StartX=60 StartZ=-10 EndX=44 C=1 StartC=22.5 groups toolData coolantOff
text
(-----< SIDE TAP M8*P1.25 >-----)
NOEX VGRIN[17]=31 VGRFN[17]=1
NOEX VGRD[17]=8 VGRL[17]=28
N000 G95 M110 TG=17 OG=1
NT17 G00 X200 Z50 SB=310 M09
N000 G178 C22.5 X44 Z-10 I130 F1.25 Q1 M136
N000 G180
N000 G00 X200
N000     X500 Z500
	
end

# EndZ reads 0: length 0 - 0 + 20; K = 50 - 5 - 2.
case slant.duomillTurretH2_toolData ProcessMTapSlant
state T=18 V=8 F=1.25 U=8 B=30 SZ=-2 StartX=15 StartC=5 EndX=90 EndC=-10 duomill toolData
text
(-----< SLANT TAP M8 >-----)
NOEX VTLIN[18]=32 VTLFN[18]=1
NOEX VTLD[18]=8 VTLL[18]=20
N000 MT=1803
N000 M421
N000 G95 M110 TL=181818 G52 BA=30 M66
NT18 G00 C90 X200 Z50 SB=310 M08
N000 G138
N000 G174 SX=0 SZ=-2
N000 G127 B30
N000 G00  X15 Y0 Z50
N000 G178 X15 Y0 Z-10 K43 F1.25
N000 G180
N000 G00 Z50
N000 G175
N000 G126
N000 G136
N000 G21 HP=4 M12 M63 M09
	
end

# The hidden D and a shift X above 1 write no words; K = 50 - 0 - 2.
case slant.turretLatheGroups_beforeK500Ignored ProcessMTapSlant
state T=18 V=8 F=1.25 U=8 D=60 C=3.5 B=-15 SZ=1.5 StartX=-6.5 StartZ=4 EndC=-8 groups beforeK500 coolantOff
text
(-----< SLANT TAP M8 >-----)
N000 G95 M110 TG=18 OG=1
NT18 G00 C0 X200 Z50 SB=310 M09
N000 G138
N000 G174 SX=3.5 SZ=1.5
N000 G127 B-15
N000 G00  X-6.5 Y4 Z50
N000 G178 X-6.5 Y4 Z-8 K48 F1.25
N000 G180
N000 G00 Z50
N000 G175
N000 G126
N000 G136
N000     X500 Z500
	
end

# Length 4 + 20.
case slant.duomillGroupsTurretH1_toolData ProcessMTapSlant
state T=18 V=8 F=1.25 U=8 B=-15 StartX=-6.5 StartZ=4 EndC=-8 duomill groups H1 macro=M441 toolData
text
(-----< SLANT TAP M8 >-----)
NOEX VGRIN[18]=32 VGRFN[18]=1
NOEX VGRD[18]=8 VGRL[18]=24
N000 MT=1 TG=18
N000 M441
N000 G95 M110 TG=18 OG=1 G52 BA=-15 M66
NT18 G00 C0 X200 Z50 SB=310 M08
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B-15
N000 G00  X-6.5 Y4 Z50
N000 G178 X-6.5 Y4 Z-8 K48 F1.25
N000 G180
N000 G00 Z50
N000 G175
N000 G126
N000 G136
N000 G21 HP=4 M12 M63 M09
	
end

# R 5, P 1.5 round the origin from Z-10: arcs end at -10 + 0.25, 0.75, 1.25 and 1.5
# pitches; entry and exit arcs of radius 3.5 from (-1.5, 3.5) to (-1.5, -3.5).
case planetTap.turretLatheAfterK500_aroundTheOrigin ProcessMPlanetTapSlant
state T=24 V=60 F=0.05 U=6 D=1.5 B=90 EndX=5 EndC=-10
text
(-----< PLANET TAP M10 P1.5 >-----)
N000 G94 M110 T242424
NT24 G00 C0 X200 Z50 SB=3180 M13 M63 M08
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B90
N000 G17
N000 G00 X0 Y0 Z50
N000     Z2 M147
N000 G01 Z-10 F=SB*0.5
N000     X-1.5 Y3.5 F=SB*0.05 G41
N000 G03 X-5 Y0 Z-9.625 L3.5
N000     X5 Y0 Z-8.875 L5
N000     X-5 Y0 Z-8.125 L5
N000     X-1.5 Y-3.5 Z-7.75 L3.5
N000 G01 X0 Y0 F=SB*0.5 G40
N000 G00 Z50
N000 G126 M146
N000 G175
N000 G136
N000     X500 Z500 M12 M63
	
end

# R 4, P 1 round (20, -12) from Z-6; length -12 + 20; the C word is the master angle W.
case planetTap.duomillGroupsTurretH2_beforeK500_offCentre ProcessMPlanetTapSlant
state T=24 V=60 F=0.05 U=6 W=45 D=1 C=10 B=60 SZ=-5 StartX=20 StartZ=-12 StartC=1 EndX=4 EndC=-6 duomill groups toolData beforeK500 coolantOff
text
(-----< PLANET TAP M8 P1 >-----)
NOEX VGRIN[24]=32 VGRFN[24]=1
NOEX VGRD[24]=6 VGRL[24]=8
N000 MT=3 TG=24
N000 M421
N000 G94 M110 TG=24 OG=1 G52 BA=60 M66
NT24 G00 C45 X200 Z50 SB=3180 M13 M64 M09
N000     M62
N000 G138
N000 G174 SX=10 SZ=-5
N000 G127 B60
N000 G17
N000 G00 X20 Y-12 Z50
N000     Z3 M147
N000 G01 Z-6 F=SB*0.5
N000     X19 Y-9 F=SB*0.05 G41
N000 G03 X16 Y-12 Z-5.75 L3
N000     X24 Y-12 Z-5.25 L4
N000     X16 Y-12 Z-4.75 L4
N000     X19 Y-15 Z-4.5 L3
N000 G01 X20 Y-12 F=SB*0.5 G40
N000 G00 Z50
N000 G126 M146
N000 G175
N000 G136
N000 G21 HP=4 M12 M63 M09
	
end

# P 1.25: heights -9.6875, -9.0625 and -8.4375 floor toward minus infinity.
case planetTap.turretLatheBeforeK500_heightsFloored ProcessMPlanetTapSlant
state T=24 V=60 F=0.035 U=6 D=1.25 B=90 EndX=4 EndC=-10 H1 beforeK500
text
(-----< PLANET TAP M8 P1.25 >-----)
N000 G94 M110 T242424
NT24 G00 C0 X200 Z50 SB=3180 M13 M64 M08
N000     M62
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B90
N000 G17
N000 G00 X0 Y0 Z50
N000     Z2 M147
N000 G01 Z-10 F=SB*0.35
N000     X-1.25 Y2.75 F=SB*0.035 G41
N000 G03 X-4 Y0 Z-9.688 L2.75
N000     X4 Y0 Z-9.063 L4
N000     X-4 Y0 Z-8.438 L4
N000     X-1.25 Y-2.75 Z-8.125 L2.75
N000 G01 X0 Y0 F=SB*0.35 G40
N000 G00 Z50
N000 G126 M146
N000 G175
N000 G136
N000     X500 Z500 M12 M64
N000     M62
	
end

# A tool diameter of 0 stops the generator with the division error.
case zeroToolDiameter.plan ProcessMTapPLAN
state T=13 V=20 F=0.1 U=0 D=1 EndX=5
error 11
end

case zeroToolDiameter.side ProcessMTapSide
state T=13 V=20 F=0.1 U=0 D=1 EndX=5
error 11
end

case zeroToolDiameter.slant ProcessMTapSlant
state T=13 V=20 F=0.1 U=0 D=1 EndX=5
error 11
end

case zeroToolDiameter.planetTap ProcessMPlanetTapSlant
state T=13 V=20 F=0.1 U=0 D=1 EndX=5
error 11
end
