# Finishing: outside, inside, face, and face and outside. Every case starts with the inside
# diameter 7 of an earlier drill, which the finishing leaves as it was.
#
# The format and how to add a case: step 4 of src/process/generators/README.md.

# 1000 x 250 / 3.14 / (40 + 6) = 1730.8 -> S1730. F, D and C are hidden in the dialog
# and not written.
#
case outside.plainTurret_stockZOnly ProcessFINOD
state T=3 V=250 F=0.12 D=1 C=1 U=0 W=0.1 StartX=40 StartZ=0 InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN >-----)
N000 G00 X44 Z50 T030303 M42 S1730 M03 M63 M08
NT03     Z2 G96 S250
N000 G87 NAP2 W0.1
N000 G00 X200 G97 S1730 M63
N000     X500 Z500
	
end

case outside.noStock_bareCycle ProcessFINOD
state T=3 V=250 F=0.12 D=1 C=1 U=0 W=0 StartX=40 StartZ=0 InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN >-----)
N000 G00 X44 Z50 T030303 M42 S1730 M03 M63 M08
NT03     Z2 G96 S250
N000 G87 NAP2
N000 G00 X200 G97 S1730 M63
N000     X500 Z500
	
end

case outside.negativeStocksLeftOut ProcessFINOD
state T=3 V=250 F=0.12 D=1 C=1 U=-0.1 W=-0.2 StartX=40 StartZ=0 InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN >-----)
N000 G00 X44 Z50 T030303 M42 S1730 M03 M63 M08
NT03     Z2 G96 S250
N000 G87 NAP2
N000 G00 X200 G97 S1730 M63
N000     X500 Z500
	
end

case outside.duomillToolData_noHomeLine ProcessFINOD
state T=3 V=250 F=0.12 D=1 C=1 U=0 W=0.1 StartX=40 StartZ=0 duomill toolData InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN >-----)
NOEX VTLIN[3]=7 VTLFN[3]=1 VTLA1[3]=55
NOEX VTLA2[3]=5 VTLL[3]=40
N000 MT=301
N000 M421
N000 G00 X44 Z50 TL=030303 M42 S1730 M03 M63 M08
NT03     Z2 G96 S250
N000 G87 NAP2 W0.1
N000 G00 X200 G97 S1730 M63
N000 G21 HP=4 M05 M63 M09
	
end

case outside.groupsToolData_otherPositions ProcessFINOD
state T=3 V=250 F=0.12 D=1 C=1 U=0 W=0.1 StartX=40 StartZ=0 groups toolData AppX=150.5 HomeX=450 HomeZ=300 InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN >-----)
NOEX VGRIN[3]=7 VGRFN[3]=1 VGRA1[3]=55
NOEX VGRA2[3]=5 VGRL[3]=40
N000 G00 X44 Z50 TG=3 OG=1 M42 S1730 M03 M63 M08
NT03     Z2 G96 S250
N000 G87 NAP2 W0.1
N000 G00 X150.5 G97 S1730 M63
N000     X450 Z300
	
end

case outside.zeroSpeed_keepsThePreviousSpeed ProcessFINOD
state T=3 V=0 F=0.12 D=1 C=1 U=0 W=0.1 StartX=40 StartZ=0 S=1200 InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN >-----)
N000 G00 X44 Z50 T030303 M42 S1200 M03 M63 M08
NT03     Z2 G96 S0
N000 G87 NAP2 W0.1
N000 G00 X200 G97 S1200 M63
N000     X500 Z500
	
end

# 1000 x 180 / 3.14 / 41.25 = 1389.7 -> S1380; W floored to three decimals.
case outside.bothStocks_fractions_reverseDry ProcessFINOD
state T=3 V=180 U=0.15 W=0.0555 StartX=35.25 StartZ=-0.5 ccw coolantOff InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN >-----)
N000 G00 X39.25 Z50 T030303 M42 S1380 M04 M63 M09
NT03     Z1.5 G96 S180
N000 G87 NAP2 U0.15 W0.055
N000 G00 X200 G97 S1380 M63
N000     X500 Z500
	
end

# 1000 x 200 / 3.14 / (30 + 6) = 1769.3 -> S1760; the approach is at StartX itself.
#
case inside.plainTurret ProcessFINID
state T=7 V=200 U=0.2 W=0.05 StartX=30 StartZ=0 InnerDia=7
after InnerDia=7
text
(-----<  INV.FIN >-----)
N000 G00 X30 Z50 T070707 M42 S1760 M03 M63 M08
NT07     Z2 G96 S200
N000 G87 NAP3 U0.2 W0.05
N000 G01 X-1 G91
N000 G00 Z50 G90
N000     X500 Z500 G97 S1760 M63
	
end

case inside.noStock ProcessFINID
state T=7 V=200 U=0 W=0 StartX=30 StartZ=0 InnerDia=7
after InnerDia=7
text
(-----<  INV.FIN >-----)
N000 G00 X30 Z50 T070707 M42 S1760 M03 M63 M08
NT07     Z2 G96 S200
N000 G87 NAP3
N000 G01 X-1 G91
N000 G00 Z50 G90
N000     X500 Z500 G97 S1760 M63
	
end

# The end Z is not asked: the usable length is StartZ + 20.
case inside.toolData_startAboveZero ProcessFINID
state T=7 V=200 U=0.2 W=0.05 StartX=30 StartZ=1.5 toolData InnerDia=7
after InnerDia=7
text
(-----<  INV.FIN >-----)
NOEX VTLIN[7]=8 VTLFN[7]=1 VTLA1[7]=60
NOEX VTLA2[7]=3 VTLD[7]=20 VTLL[7]=21.5
N000 G00 X30 Z50 T070707 M42 S1760 M03 M63 M08
NT07     Z3.5 G96 S200
N000 G87 NAP3 U0.2 W0.05
N000 G01 X-1 G91
N000 G00 Z50 G90
N000     X500 Z500 G97 S1760 M63
	
end

case inside.duomillGroupsToolData ProcessFINID
state T=7 V=200 U=0.2 W=0.05 StartX=30 StartZ=0 duomill groups toolData macro=M441 AppZ=80 InnerDia=7
after InnerDia=7
text
(-----<  INV.FIN >-----)
NOEX VGRIN[7]=8 VGRFN[7]=1 VGRA1[7]=60
NOEX VGRA2[7]=3 VGRD[7]=20 VGRL[7]=20
N000 MT=1 TG=7
N000 M441
N000 G00 X30 Z80 TG=7 OG=1 M42 S1760 M03 M63 M08
NT07     Z2 G96 S200
N000 G87 NAP3 U0.2 W0.05
N000 G01 X-1 G91
N000 G00 Z80 G90
N000     X200 G97 S1760 M63
N000 G21 HP=4 M05 M63 M09
	
end

# 1000 x 250 / 3.14 / (80 + 6) = 925.8 -> S920.
#
case face.plainTurret ProcessFINPLAN
state T=3 V=250 U=0 W=0.1 StartX=80 StartZ=0 InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN PLAN >-----)
N000 G00 X84 Z50 T030303 M42 S920 M03 M63 M08
NT03     Z2 G96 S250
N000 G87 NAP1 W0.1
N000 G00 X500 Z500 G97 S920 M63
	
end

case face.duomillToolData ProcessFINPLAN
state T=3 V=250 U=0 W=0.1 StartX=80 StartZ=0 duomill toolData InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN PLAN >-----)
NOEX VTLIN[3]=7 VTLFN[3]=1 VTLA1[3]=55
NOEX VTLA2[3]=5 VTLL[3]=40
N000 MT=301
N000 M421
N000 G00 X84 Z50 TL=030303 M42 S920 M03 M63 M08
NT03     Z2 G96 S250
N000 G87 NAP1 W0.1
N000 G00 X200 G97 S920 M63
N000 G21 HP=4 M05 M63 M09
	
end

case face.groups_stockXOnly ProcessFINPLAN
state T=3 V=250 U=0.3 W=0 StartX=80 StartZ=0 groups InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN PLAN >-----)
N000 G00 X84 Z50 TG=3 OG=1 M42 S920 M03 M63 M08
NT03     Z2 G96 S250
N000 G87 NAP1 U0.3
N000 G00 X500 Z500 G97 S920 M63
	
end

case face.zeroSpeed_keepsThePreviousSpeed ProcessFINPLAN
state T=3 V=0 U=0 W=0.1 StartX=80 StartZ=0 S=500 InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN PLAN >-----)
N000 G00 X84 Z50 T030303 M42 S500 M03 M63 M08
NT03     Z2 G96 S0
N000 G87 NAP1 W0.1
N000 G00 X500 Z500 G97 S500 M63
	
end

# 1000 x 250 / 3.14 / (60 + 6) = 1206.3 -> S1200; the face pass at StartZ itself.
#
case faceAndOutside.plainTurret ProcessFINPLANOD
state T=3 V=250 F=0.12 U=0 W=0 StartX=60 StartZ=0 EndX=20 InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN >-----)
N000 G00 X64 Z50 T030303 M42 S1200 M03 M63 M08
NT03     Z0 G96 S250
N000 G01 X20 F0.12
N000 G00 Z2
N000 G87 NAP2
N000 G00 X200 G97 S1200 M63
N000     X500 Z500
	
end

case faceAndOutside.toCentre_withStocks ProcessFINPLANOD
state T=3 V=250 F=0.12 U=0.1 W=0.05 StartX=60 StartZ=0 EndX=0 InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN >-----)
N000 G00 X64 Z50 T030303 M42 S1200 M03 M63 M08
NT03     Z0 G96 S250
N000 G01 X0 G41 I1 F0.12
N000 G40 I-1
N000 G00 Z2
N000 G87 NAP2 U0.1 W0.05
N000 G00 X200 G97 S1200 M63
N000     X500 Z500
	
end

case faceAndOutside.duomillGroupsToolData ProcessFINPLANOD
state T=3 V=250 F=0.12 U=0 W=0 StartX=60 StartZ=0 EndX=20 duomill groups toolData InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN >-----)
NOEX VGRIN[3]=7 VGRFN[3]=1 VGRA1[3]=55
NOEX VGRA2[3]=5 VGRL[3]=40
N000 MT=1 TG=3
N000 M421
N000 G00 X64 Z50 TG=3 OG=1 M42 S1200 M03 M63 M08
NT03     Z0 G96 S250
N000 G01 X20 F0.12
N000 G00 Z2
N000 G87 NAP2
N000 G00 X200 G97 S1200 M63
N000 G21 HP=4 M05 M63 M09
	
end

# The retract goes to Z2 while the face lies below it, else 2 above the face: a rapid
# move down to Z2 would cut into the part.
case faceAndOutside.faceBelowZ2_retractToZ2 ProcessFINPLANOD
state T=3 V=250 F=0.12 U=0 W=0 StartX=60 StartZ=-0.5 EndX=20 InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN >-----)
N000 G00 X64 Z50 T030303 M42 S1200 M03 M63 M08
NT03     Z-0.5 G96 S250
N000 G01 X20 F0.12
N000 G00 Z2
N000 G87 NAP2
N000 G00 X200 G97 S1200 M63
N000     X500 Z500
	
end

case faceAndOutside.faceJustBelowZ2_retractToZ2 ProcessFINPLANOD
state T=3 V=250 F=0.12 U=0 W=0 StartX=60 StartZ=1.5 EndX=20 InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN >-----)
N000 G00 X64 Z50 T030303 M42 S1200 M03 M63 M08
NT03     Z1.5 G96 S250
N000 G01 X20 F0.12
N000 G00 Z2
N000 G87 NAP2
N000 G00 X200 G97 S1200 M63
N000     X500 Z500
	
end

case faceAndOutside.faceAtZ2_retractAboveTheFace ProcessFINPLANOD
state T=3 V=250 F=0.12 U=0 W=0 StartX=60 StartZ=2 EndX=20 InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN >-----)
N000 G00 X64 Z50 T030303 M42 S1200 M03 M63 M08
NT03     Z2 G96 S250
N000 G01 X20 F0.12
N000 G00 Z4
N000 G87 NAP2
N000 G00 X200 G97 S1200 M63
N000     X500 Z500
	
end

case faceAndOutside.faceAboveZ2_retractAboveTheFace ProcessFINPLANOD
state T=3 V=250 F=0.12 U=0 W=0 StartX=60 StartZ=3.25 EndX=0 InnerDia=7
after InnerDia=7
text
(-----< UTV.FIN >-----)
N000 G00 X64 Z50 T030303 M42 S1200 M03 M63 M08
NT03     Z3.25 G96 S250
N000 G01 X0 G41 I1 F0.12
N000 G40 I-1
N000 G00 Z5.25
N000 G87 NAP2
N000 G00 X200 G97 S1200 M63
N000     X500 Z500
	
end

# The speed is taken at StartX + 6: a reference diameter of 0 stops each generator with
# the division error, and the speed of the process before stays; without a cutting speed
# there is nothing to divide.
case zeroReferenceDiameter.outside ProcessFINOD
state T=1 V=100 StartX=-6 S=400
error 11
after S=400
end

case zeroReferenceDiameter.inside ProcessFINID
state T=1 V=100 StartX=-6 S=400
error 11
after S=400
end

case zeroReferenceDiameter.face ProcessFINPLAN
state T=1 V=100 StartX=-6 S=400
error 11
after S=400
end

case zeroReferenceDiameter.faceAndOutside ProcessFINPLANOD
state T=1 V=100 StartX=-6 S=400
error 11
after S=400
end

case zeroReferenceDiameter.outsideWithoutSpeed ProcessFINOD
state T=3 V=0 F=0.12 D=1 C=1 U=0 W=0.1 StartX=-6 StartZ=0 S=400
after S=400
text
(-----< UTV.FIN >-----)
N000 G00 X-2 Z50 T030303 M42 S400 M03 M63 M08
NT03     Z2 G96 S0
N000 G87 NAP2 W0.1
N000 G00 X200 G97 S400 M63
N000     X500 Z500
	
end

case zeroReferenceDiameter.insideWithoutSpeed ProcessFINID
state T=7 V=0 U=0.2 W=0.05 StartX=-6 StartZ=0 S=400
after S=400
text
(-----<  INV.FIN >-----)
N000 G00 X-6 Z50 T070707 M42 S400 M03 M63 M08
NT07     Z2 G96 S0
N000 G87 NAP3 U0.2 W0.05
N000 G01 X-1 G91
N000 G00 Z50 G90
N000     X500 Z500 G97 S400 M63
	
end

case zeroReferenceDiameter.faceWithoutSpeed ProcessFINPLAN
state T=3 V=0 U=0 W=0.1 StartX=-6 StartZ=0 S=400
after S=400
text
(-----< UTV.FIN PLAN >-----)
N000 G00 X-2 Z50 T030303 M42 S400 M03 M63 M08
NT03     Z2 G96 S0
N000 G87 NAP1 W0.1
N000 G00 X500 Z500 G97 S400 M63
	
end

case zeroReferenceDiameter.faceAndOutsideWithoutSpeed ProcessFINPLANOD
state T=3 V=0 F=0.12 U=0 W=0 StartX=-6 StartZ=0 EndX=20 S=400
after S=400
text
(-----< UTV.FIN >-----)
N000 G00 X-2 Z50 T030303 M42 S400 M03 M63 M08
NT03     Z0 G96 S0
N000 G01 X20 F0.12
N000 G00 Z2
N000 G87 NAP2
N000 G00 X200 G97 S400 M63
N000     X500 Z500
	
end
