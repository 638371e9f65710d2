# The program frame the material input writes around the processes (ProgramFrame: the
# processes go in at the caret), its graphic-data sub-program OUGC (GraphicData, from the
# fields of the material dialog) and the ATC ready-request before an L tool (AtcLTool) and an
# M tool (AtcMTool).
#
# The format and how to add a case: step 4 of src/process/generators/README.md.

case frame.panelCheckOnly ProgramFrame
state panel
caret after line 5
text
NMAX G50 S2500
N000 G00 X500 Z500
N000 CALL OPCHK (PANEL CHECK)
N000 CALL OUGC  (GRAPHIC DATA)
	
	
NEND M02
end

# A machine without any of the options.
case frame.nothing ProgramFrame
state
caret after line 4
text
NMAX G50 S2500
N000 G00 X500 Z500
N000 CALL OUGC  (GRAPHIC DATA)
	
	
NEND M02
end

case frame.duomillStartsByG21_doorOpens ProgramFrame
state duomill door
caret after line 4
text
NMAX G50 S2500
N000 G21 HP=4 M109 M90
N000 CALL OUGC  (GRAPHIC DATA)
	
	
N000 M91
NEND M02
end

case frame.measuringAndToolGroups ProgramFrame
state measure groups
caret after line 4
text
NMAX G50 S2500
N000 G00 X500 Z500
N000 CALL OUGC  (GRAPHIC DATA)
	
	
N000 CALL OMSSF
N000 CALL OCNCK
N000 M100
N000 TLID
NEND M02
end

case frame.twoSaddles ProgramFrame
state bturret panel
caret after line 6
text
G13 (-----< A:TURRET >-----)
NMAX G50 S2500
N000 G00 X500 Z500
N000 CALL OPCHK (PANEL CHECK)
N000 CALL OUGC  (GRAPHIC DATA)
	
	
	
G14 (-----< B:TURRET >-----)
NMAX G50 S2500
N000 G00 X500 Z500
N000 CALL OPCHK (PANEL CHECK)


	
NEND M02
end

# The B turret goes home by coordinates even on a Duomill machine.
case frame.everything ProgramFrame
state bturret duomill panel door measure groups
caret after line 6
text
G13 (-----< A:TURRET >-----)
NMAX G50 S2500
N000 G21 HP=4 M109 M90
N000 CALL OPCHK (PANEL CHECK)
N000 CALL OUGC  (GRAPHIC DATA)
	
	
	
N000 CALL OMSSF
N000 M100
N000 TLID
	
G14 (-----< B:TURRET >-----)
NMAX G50 S2500
N000 G00 X500 Z500 M90
N000 CALL OPCHK (PANEL CHECK)


	
N000 CALL OMSSF
N000 CALL OCNCK
N000 M100
N000 TLID
N000 M91
NEND M02
end

case frame.twoSaddlesWithoutPanelCheck ProgramFrame
state bturret door
caret after line 5
text
G13 (-----< A:TURRET >-----)
NMAX G50 S2500
N000 G00 X500 Z500 M90
N000 CALL OUGC  (GRAPHIC DATA)
	
	
	
G14 (-----< B:TURRET >-----)
NMAX G50 S2500
N000 G00 X500 Z500 M90


	
N000 M91
NEND M02
end

# The speed limit and the home position keep their decimals.
case frame.speedLimitAndHomeKeepTheirDecimals ProgramFrame
state MaxS=1234.1 HomeX=450.25 HomeZ=-12.5
caret after line 4
text
NMAX G50 S1234.1
N000 G00 X450.25 Z-12.5
N000 CALL OUGC  (GRAPHIC DATA)
	
	
NEND M02
end

# The speed limit keeps its rounding to three decimals.
case frame.speedLimitKeepsItsRounding ProgramFrame
state MaxS=2500.5678
caret after line 4
after MaxS=2500.567
text
NMAX G50 S2500.567
N000 G00 X500 Z500
N000 CALL OUGC  (GRAPHIC DATA)
	
	
NEND M02
end

# The material input takes P-Zero, jaw length and jaw plan by the leading-number rule, the
# blank's length and diameters as their whole parts.
case frame.materialValues ProgramFrame
state
material PZero=-2.75 JawLength=30.5 JawPlan=12.25 Length=120.9 MaterialOD=65.99 MaterialID=20.5x
caret after line 4
after PZero=-2.75 JawLength=30.5 JawPlan=12.25 Length=120 OD=65 InnerDia=20
text
NMAX G50 S2500
N000 G00 X500 Z500
N000 CALL OUGC  (GRAPHIC DATA)
	
	
NEND M02
end

case graphicData.outsideGripMainSpindle GraphicData
state
material PZero=0 JawLength=20 JawPlan=15 Length=100 MaterialOD=60
text
	
----------< USER GRAPHIC COMMAND >----------
OUGC
NOEX VCHKX=60 VCHKZ=-100
NOEX VCHKD=15 VCHKL=20
NOEX VWKR=9999
N000 CLEAR
N000 DEF WORK
N000 PS RC,[0,0],[100,60]
N000 END
N000 DRAW
NRTS RTS
end

# Length and diameters are taken as whole numbers; gripping inside chucks on the bore.
case graphicData.insideGripSubSpindlePlanDrawing GraphicData
state
material PZero=2.5 JawLength=25.5 JawPlan=10 Length=80.9 MaterialOD=70.6 MaterialID=30.7 inside sub plan
text
	
----------< USER GRAPHIC COMMAND >----------
OUGC
NOEX VCHKX=30 VCHKZ=-77.5
NOEX VCHKD=10 VCHKL=25.5
N000 CLEAR
N000 DEF WORK[S]
N000 PS RC,[2,0],[80,70]
N000 PS RC,[2.5,0],[80,30],0
N000 END
N000 DEF WORKF[S]
N000 PF 0,[0,0],70,D
N000 PF 0,[0,0],30,D,0
N000 PO [0,15]
N000 CI [0,0],[0,-15],R,0
N000 END
N000 DRAW
NRTS RTS
end

case graphicData.tailstock GraphicData
state
material PZero=0 JawLength=30 JawPlan=12 Length=200 MaterialOD=50mm CenterLength=30 CenterD=40 CenterHoleD=6.5 tailstock
text
	
----------< USER GRAPHIC COMMAND >----------
OUGC
NOEX VCHKX=50 VCHKZ=-200
NOEX VCHKD=12 VCHKL=30
NOEX VTSDA=6.5 VTSDB=40
NOEX VTSL=30 VWKR=0
N000 CLEAR
N000 DEF WORK
N000 PS RC,[0,0],[200,50]
N000 END
N000 DRAW
NRTS RTS
end

case graphicData.tailstockOnSubSpindle_negativeZero GraphicData
state
material PZero=-1.5 JawLength=30 JawPlan=12 Length=200 MaterialOD=50mm CenterLength=30 CenterD=40 CenterHoleD=6.5 sub tailstock
text
	
----------< USER GRAPHIC COMMAND >----------
OUGC
NOEX VCHKX=50 VCHKZ=-201.5
NOEX VCHKD=12 VCHKL=30
NOEX VTSDA=6.5 VTSDB=40
NOEX VTSL=30 VWKR=-1.5
N000 CLEAR
N000 DEF WORK[S]
N000 PS RC,[-1,0],[200,50]
N000 END
N000 DRAW
NRTS RTS
end

case graphicData.subSpindleNoTailstock_noVwkr_noBore GraphicData
state
material PZero=0.1 JawLength=20 JawPlan=15 Length=50 MaterialOD=40 MaterialID=0 sub plan
text
	
----------< USER GRAPHIC COMMAND >----------
OUGC
NOEX VCHKX=40 VCHKZ=-49.9
NOEX VCHKD=15 VCHKL=20
N000 CLEAR
N000 DEF WORK[S]
N000 PS RC,[0,0],[50,40]
N000 END
N000 DEF WORKF[S]
N000 PF 0,[0,0],40,D
N000 END
N000 DRAW
NRTS RTS
end

case graphicData.oddBoreRadiusTruncated GraphicData
state
material PZero=0 JawLength=20 JawPlan=15 Length=60 MaterialOD=45 MaterialID=25 plan
text
	
----------< USER GRAPHIC COMMAND >----------
OUGC
NOEX VCHKX=45 VCHKZ=-60
NOEX VCHKD=15 VCHKL=20
NOEX VWKR=9999
N000 CLEAR
N000 DEF WORK
N000 PS RC,[0,0],[60,45]
N000 PS RC,[0,0],[60,25],0
N000 END
N000 DEF WORKF
N000 PF 0,[0,0],45,D
N000 PF 0,[0,0],25,D,0
N000 PO [0,12]
N000 CI [0,0],[0,-12],R,0
N000 END
N000 DRAW
NRTS RTS
end

# The ATC ready-request before a turning tool: only on a Duomill machine.
#
case atcL.noDuomill_nothing AtcLTool
state macro=M421 T=5
text
end

case atcL.noDuomillWithGroups_nothing AtcLTool
state groups H1 macro=M421 T=5
text
end

case atcL.numbers_turretH2 AtcLTool
state duomill macro=M421 T=5
text
N000 MT=501
N000 M421
end

case atcL.numbers_turretH1 AtcLTool
state duomill H1 macro=M441 T=12
text
N000 MT=1201
N000 M441
end

case atcL.groups_turretH2 AtcLTool
state duomill groups macro=M321 T=7
text
N000 MT=1 TG=7
N000 M321
end

case atcL.groups_turretH1 AtcLTool
state duomill groups H1 macro=M421 T=7
text
N000 MT=1 TG=7
N000 M421
end

# The ATC ready-request before a rotating tool: MT=3 on turret H2, MT=1 on turret H1.
#
case atcM.noDuomill_nothing AtcMTool
state macro=M421 T=5
text
end

case atcM.noDuomillWithGroups_nothing AtcMTool
state groups H1 macro=M421 T=5
text
end

case atcM.numbers_turretH2 AtcMTool
state duomill macro=M421 T=5
text
N000 MT=503
N000 M421
end

case atcM.numbers_turretH1 AtcMTool
state duomill H1 macro=M441 T=12
text
N000 MT=1201
N000 M441
end

case atcM.groups_turretH2 AtcMTool
state duomill groups macro=M321 T=7
text
N000 MT=3 TG=7
N000 M321
end

case atcM.groups_turretH1 AtcMTool
state duomill groups H1 macro=M421 T=7
text
N000 MT=1 TG=7
N000 M421
end
