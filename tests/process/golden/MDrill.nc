# Drilling with a rotating tool on the face, the circumference and an inclined plane. Spindle
# speeds: 1000 x 20 / 3.14 / 6.8 = 936.7 -> SB=930, 1000 x 25 / 3.14 / 5 = 1592.3 -> SB=1590,
# 1000 x 30 / 3.14 / 8.5 = 1124.0 -> SB=1120.
#
# The format and how to add a case: step 4 of src/process/generators/README.md.

# K = 50 - 2 - 2; one hole needs no Q word; neither peck nor dwell: G181.
case plan.afterK500_oneHole_G181 ProcessMDrillPLAN
state T=13 V=20 F=0.1 U=6.8 StartX=40 StartZ=2 EndZ=-15 C=1
text
(-----< PLAN DRILL D6.8 >-----)
N000 G94 M110 T131313
NT13 G00 X200 Z50 SB=930 M13 M63 M08
N000 G181 C0 X40 Z-15 K46 F=SB*0.1
N000 G180
N000 G00 Z50
N000     X500 Z500 M12 M63
	
end

# Length 2 + 15 + 20.
case plan.beforeK500_peckSecondPeckDwell_fourHoles_toolData ProcessMDrillPLAN
state T=13 V=20 F=0.1 U=6.8 StartX=40 StartZ=2 EndZ=-15 W=0.2 D=5 L=2 C=4 StartC=45 beforeK500 toolData coolantOff
text
(-----< PLAN DRILL D6.8 >-----)
NOEX VTLIN[13]=28 VTLFN[13]=1 VTLA1[13]=118
NOEX VTLD[13]=6.8 VTLL[13]=37
N000 G94 M110 T131313
NT13 G00 X200 Z50 SB=930 M13 M64 M09
N000     M62
N000 G183 C45 X40 Z-15 K46 D5 L2 E0.2 F=SB*0.1 Q4
N000 G180
N000 G00 Z50
N000     X500 Z500 M12 M64
N000     M62
	
end

# A dwell alone makes G183; K = 100 - 2 - 2. The Duomill return has no M62 line.
case plan.duomillGroupsTurretH1_dwellOnly_noHoleCount ProcessMDrillPLAN
state T=13 V=20 F=0.1 U=6.8 StartX=40 StartZ=2 EndZ=-15 W=0.5 C=0 AppZ=100 duomill groups H1 macro=M441 toolData beforeK500
text
(-----< PLAN DRILL D6.8 >-----)
NOEX VGRIN[13]=28 VGRFN[13]=1 VGRA1[13]=118
NOEX VGRD[13]=6.8 VGRL[13]=37
N000 MT=1 TG=13
N000 M441
N000 G94 M110 TG=13 OG=1
NT13 G00 X200 Z100 SB=930 M13 M64 M08
N000     M62
N000 G183 C0 X40 Z-15 K96 E0.5 F=SB*0.1
N000 G180
N000 G00 Z100
N000     X200
N000 G21 HP=4 M12 M63 M09
	
end

# Floors toward minus infinity; K = 50 - 1.5 - 2.
case plan.duomillNumbersTurretH2_decimalFloors ProcessMDrillPLAN
state T=5 V=25 F=0.08 U=5 D=1.5 C=6 StartX=35.5555 StartZ=1.5 StartC=-30 EndZ=-10.0005 duomill
text
(-----< PLAN DRILL D5 >-----)
N000 MT=503
N000 M421
N000 G94 M110 TL=050505
NT05 G00 X200 Z50 SB=1590 M13 M63 M08
N000 G183 C-30 X35.555 Z-10.001 K46.5 D1.5 F=SB*0.08 Q6
N000 G180
N000 G00 Z50
N000     X200
N000 G21 HP=4 M12 M63 M09
	
end

# I = 200 - 60 - 4; length (60 - 40) / 2 + 20.
case side.afterK500_oneHole_toolData ProcessMDrillSide
state T=14 V=20 F=0.1 U=6.8 C=1 StartX=60 StartZ=-12 EndX=40 toolData
text
(-----< SIDE DRILL D6.8 >-----)
NOEX VTLIN[14]=27 VTLFN[14]=1 VTLA1[14]=118
NOEX VTLD[14]=6.8 VTLL[14]=30
N000 G94 M110 T141414
NT14 G00 X200 Z50 SB=930 M13 M63 M08
N000 G181 C0 X40 Z-12 I136 F=SB*0.1 M136
N000 G180
N000 G00 X200
N000     X500 Z500 M12 M63
	
end

# I = 250 - 50 - 4; the B axis turns to 90 on a Duomill machine.
case side.duomillTurretH1_beforeK500_peck ProcessMDrillSide
state T=5 V=20 F=0.1 U=6.8 D=2 C=4 StartX=50 StartZ=-8 StartC=90 EndX=30.5 AppX=250 duomill H1 macro=M321 beforeK500
text
(-----< SIDE DRILL D6.8 >-----)
N000 MT=501
N000 M321
N000 G94 M110 TL=050505 G52 BA=90 M66
NT05 G00 X250 Z50 SB=930 M13 M64 M08
N000     M62
N000 G183 C90 X30.5 Z-8 I196 D2 F=SB*0.1 Q4 M136
N000 G180
N000 G00 X250
N000 G21 HP=4 M12 M63 M09
	
end

# I = 200 - 80 - 4; length (80 - 61) / 2 + 20.
case side.groupsBeforeK500_allWords_twoHoles ProcessMDrillSide
state T=14 V=30 F=0.1 U=8.5 W=0.3 D=3 L=1 C=2 StartX=80 StartZ=-20.25 StartC=15.5 EndX=61 groups toolData beforeK500
text
(-----< SIDE DRILL D8.5 >-----)
NOEX VGRIN[14]=27 VGRFN[14]=1 VGRA1[14]=118
NOEX VGRD[14]=8.5 VGRL[14]=29.5
N000 G94 M110 TG=14 OG=1
NT14 G00 X200 Z50 SB=1120 M13 M64 M08
N000     M62
N000 G183 C15.5 X61 Z-20.25 I116 D3 L1 E0.3 F=SB*0.1 Q2 M136
N000 G180
N000 G00 X200
N000     X500 Z500 M12 M64
N000     M62
	
end

# EndZ reads 0: length 5 - 0 + 20; K = 50 - 2 - 2; an empty shift X writes SX=0.
case slant.duomillAfterK500_emptyShiftX_toolData ProcessMDrillSlant
state T=15 V=20 F=0.1 U=6.8 B=45 SZ=-3 StartX=10 StartZ=5 StartC=2 EndX=30 EndC=-12 duomill toolData
text
(-----< SLANT DRILL D6.8 >-----)
NOEX VTLIN[15]=28 VTLFN[15]=1 VTLA1[15]=118
NOEX VTLD[15]=6.8 VTLL[15]=25
N000 MT=1503
N000 M421
N000 G94 M110 TL=151515 G52 BA=45 M66
NT15 G00 C30 X200 Z50 SB=930 M13 M63 M08
N000 G138
N000 G174 SX=0 SZ=-3
N000 G127 B45
N000 G00  X10 Y5 Z50
N000 G181 X10 Y5 Z-12 K46 F=SB*0.1
N000 G180
N000 G00 Z50
N000 G175
N000 G126
N000 G136
N000 G21 HP=4 M12 M63 M09
	
end

# K = 50 + 1.5 - 2; the shift X 12.5 is no hole count: no Q word on the plane.
case slant.turretLatheGroupsBeforeK500_peckDwell ProcessMDrillSlant
state T=15 V=20 F=0.1 U=6.8 W=0.2 D=4 C=12.5 B=-30.5 SZ=7.25 StartX=-8 StartZ=0 StartC=-1.5 EndX=180 EndC=-20 groups beforeK500 coolantOff
text
(-----< SLANT DRILL D6.8 >-----)
N000 G94 M110 TG=15 OG=1
NT15 G00 C180 X200 Z50 SB=930 M13 M64 M09
N000     M62
N000 G138
N000 G174 SX=12.5 SZ=7.25
N000 G127 B-30.5
N000 G00  X-8 Y0 Z50
N000 G183 X-8 Y0 Z-20 K49.5 D4 E0.2 F=SB*0.1
N000 G180
N000 G00 Z50
N000 G175
N000 G126
N000 G136
N000     X500 Z500 M12 M64
N000     M62
	
end

# Length -4.5 + 20; K = 80 - 3 - 2.
case slant.duomillGroupsTurretH1_toolData ProcessMDrillSlant
state T=15 V=20 F=0.1 U=6.8 B=0.5 StartX=12 StartZ=-4.5 StartC=3 EndC=-6 AppZ=80 duomill groups H1 macro=M441 toolData
text
(-----< SLANT DRILL D6.8 >-----)
NOEX VGRIN[15]=28 VGRFN[15]=1 VGRA1[15]=118
NOEX VGRD[15]=6.8 VGRL[15]=15.5
N000 MT=1 TG=15
N000 M441
N000 G94 M110 TG=15 OG=1 G52 BA=0.5 M66
NT15 G00 C0 X200 Z80 SB=930 M13 M63 M08
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B0.5
N000 G00  X12 Y-4.5 Z80
N000 G181 X12 Y-4.5 Z-6 K75 F=SB*0.1
N000 G180
N000 G00 Z80
N000 G175
N000 G126
N000 G136
N000 G21 HP=4 M12 M63 M09
	
end

# A tool diameter of 0 stops the generator with the division error.
case zeroToolDiameter.plan ProcessMDrillPLAN
state T=13 V=20 F=0.1 U=0 D=1 EndX=5
error 11
end

case zeroToolDiameter.side ProcessMDrillSide
state T=13 V=20 F=0.1 U=0 D=1 EndX=5
error 11
end

case zeroToolDiameter.slant ProcessMDrillSlant
state T=13 V=20 F=0.1 U=0 D=1 EndX=5
error 11
end
