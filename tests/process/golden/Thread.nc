# Threads. Expected texts are worked out by hand: one spindle speed Int(1000 V / 3.14 / d / 10) * 10
# for the whole thread, at the cycle start X of a face thread and at the nominal diameter
# otherwise; thread height 0.65 x lead (face), 1.3 x lead to the root diameter (outside) or the
# lead at the nominal diameter (inside).
#
# The format and how to add a case: step 4 of src/process/generators/README.md.

# Face thread. 120000 / 3.14 / 60 = 636.9 -> S630; H = 1.5 x 0.65.
#
case faceThread.turretNumbers ProcessThreadPLAN
state T=4 V=120 F=1.5 D=0.35 W=0.02 L=0 C=1 StartX=60 StartZ=3 EndX=30 EndZ=-2
text
(-----< UTV.THREAD PLAN P1.5 >-----)
N000 G00 X60 Z50 T040404 M42 S630 M03 M63 M08
NT04     Z3
N000 G72 X30 Z-2 H0.975 D0.35 W0.02 F1.5
N000 G00 Z50
N000     X500 Z500
	
end

# No allowance in Z; the allowance in X is not the face thread's.
case faceThread.chamferAndThreeStarts_toolGroupsWithToolData ProcessThreadPLAN
state T=4 V=120 F=1.5 D=0.35 W=0 L=0.5 C=3 StartX=60 StartZ=3 EndX=30 EndZ=-2 U=0.1 toolData groups
text
(-----< UTV.THREAD PLAN P1.5 >-----)
NOEX VGRIN[4]=15 VGRFN[4]=1 VGRA1[4]=60
NOEX VGRL[4]=40
N000 G00 X60 Z50 TG=4 OG=1 M42 S630 M03 M63 M08
NT04     Z3
N000 G72 X30 Z-2 H0.975 D0.35 L0.5 M23 Q3 F1.5
N000 G00 Z50
N000     X500 Z500
	
end

# A start on the centre line gives no speed: the previous one stays. H = 0.8125 floored.
case faceThread.centreStartKeepsPreviousSpeed_duomillWithToolData ProcessThreadPLAN
state T=4 V=120 F=1.25 D=0.35 W=0.02 L=0 C=1 StartX=0 StartZ=3 EndX=30 EndZ=-2 S=880 duomill macro=M321 toolData
text
(-----< UTV.THREAD PLAN P1.25 >-----)
NOEX VTLIN[4]=15 VTLFN[4]=1 VTLA1[4]=60
NOEX VTLL[4]=40
N000 MT=401
N000 M321
N000 G00 X0 Z50 TL=040404 M42 S880 M03 M63 M08
NT04     Z3
N000 G72 X30 Z-2 H0.812 D0.35 W0.02 F1.25
N000 G00 Z50
N000 G21 HP=4 M05 M63 M09
	
end

# Outside thread M20 x 1.5: 100000 / 3.14 / 20 = 1592.4 -> S1590; root 20 - 1.95, H 1.95.
#
case outsideThread.singleStartNoOptionalWords ProcessThreadOD
state T=5 V=100 F=1.5 D=0.3 U=0 L=0 C=1 StartX=24 StartZ=5 EndX=20 EndZ=-30
text
(-----< UTV.THREAD M20*P1.5 >-----)
N000 G00 X24 Z50 T050505 M42 S1590 M03 M63 M08
NT05     Z5
N000 G71 X18.05 Z-30 H1.95 D0.3 F1.5
N000 G00 X200
N000     X500 Z500
	
end

# The allowance in Z is not the outside thread's.
case outsideThread.allOptionalWords_toolData ProcessThreadOD
state T=5 V=100 F=1.5 D=0.3 U=0.02 L=1 C=2 StartX=24 StartZ=5 EndX=20 EndZ=-30 W=0.5 toolData
text
(-----< UTV.THREAD M20*P1.5 >-----)
NOEX VTLIN[5]=13 VTLFN[5]=1 VTLA1[5]=60
NOEX VTLL[5]=40
N000 G00 X24 Z50 T050505 M42 S1590 M03 M63 M08
NT05     Z5
N000 G71 X18.05 Z-30 H1.95 D0.3 U0.02 L1 M23 Q2 F1.5
N000 G00 X200
N000     X500 Z500
	
end

case outsideThread.duomillNumbers ProcessThreadOD
state T=5 V=100 F=1.5 D=0.3 U=0 L=0 C=1 StartX=24 StartZ=5 EndX=20 EndZ=-30 duomill AppX=150
text
(-----< UTV.THREAD M20*P1.5 >-----)
N000 MT=501
N000 M421
N000 G00 X24 Z50 TL=050505 M42 S1590 M03 M63 M08
NT05     Z5
N000 G71 X18.05 Z-30 H1.95 D0.3 F1.5
N000 G00 X150
N000 G21 HP=4 M05 M63 M09
	
end

# M12 x 1.75: 120000 / 3.14 / 12 = 3184.7 -> S3180; H 2.275, root 9.725.
case outsideThread.m12_duomillToolGroupsWithToolData ProcessThreadOD
state T=5 V=120 F=1.75 D=0.25 C=0 StartX=16 StartZ=4 EndX=12 EndZ=-20 duomill groups toolData macro=M441 AppX=220
text
(-----< UTV.THREAD M12*P1.75 >-----)
NOEX VGRIN[5]=13 VGRFN[5]=1 VGRA1[5]=60
NOEX VGRL[5]=40
N000 MT=1 TG=5
N000 M441
N000 G00 X16 Z50 TG=5 OG=1 M42 S3180 M03 M63 M08
NT05     Z4
N000 G71 X9.725 Z-20 H2.275 D0.25 F1.75
N000 G00 X220
N000 G21 HP=4 M05 M63 M09
	
end

case outsideThread.noDiameterKeepsPreviousSpeed ProcessThreadOD
state T=5 V=100 F=1.5 D=0.3 U=0 L=0 C=1 StartX=24 StartZ=5 EndX=0 EndZ=-30 S=640
text
(-----< UTV.THREAD M0*P1.5 >-----)
N000 G00 X24 Z50 T050505 M42 S640 M03 M63 M08
NT05     Z5
N000 G71 X-1.95 Z-30 H1.95 D0.3 F1.5
N000 G00 X200
N000     X500 Z500
	
end

# Inside thread M30 x 1.5: 100000 / 3.14 / 30 = 1061.6 -> S1060; X the nominal diameter,
# H the lead; the bar's length 5 - -25 + 20.
#
case insideThread.turretNumbersWithToolData ProcessThreadID
state T=11 V=100 F=1.5 D=0.3 U=0.02 L=1 C=1 StartX=26 StartZ=5 EndX=30 EndZ=-25 toolData
text
(-----<  INV.THREAD M30*P1.5 >-----)
NOEX VTLIN[11]=14 VTLFN[11]=1 VTLA1[11]=60
NOEX VTLD[11]=20 VTLL[11]=50
N000 G00 X26 Z50 T111111 M42 S1060 M03 M63 M08
NT11     Z5
N000 G71 X30 Z-25 H1.5 D0.3 U0.02 L1 M23 F1.5
N000 G00 Z50
N000     X500 Z500
	
end

case insideThread.noSpeedKeepsPrevious_duomillToolGroups ProcessThreadID
state T=11 V=0 F=1.5 D=0.3 U=0.02 L=1 C=1 StartX=26 StartZ=5 EndX=30 EndZ=-25 S=900 duomill groups W=0.3 ccw coolantOff
text
(-----<  INV.THREAD M30*P1.5 >-----)
N000 MT=1 TG=11
N000 M421
N000 G00 X26 Z50 TG=11 OG=1 M42 S900 M04 M63 M09
NT11     Z5
N000 G71 X30 Z-25 H1.5 D0.3 U0.02 L1 M23 F1.5
N000 G00 Z50
N000 G21 HP=4 M05 M63 M09
	
end

# 100000 / 3.14 / 42 = 758.3 -> S750; length 2.5 - -18.5 + 20.
case insideThread.fourStartsNoOptionalWords_approachZ80 ProcessThreadID
state T=11 V=100 F=2 D=0.3 U=0 L=0 C=4 StartX=26 StartZ=2.5 EndX=42 EndZ=-18.5 AppZ=80 toolData
text
(-----<  INV.THREAD M42*P2 >-----)
NOEX VTLIN[11]=14 VTLFN[11]=1 VTLA1[11]=60
NOEX VTLD[11]=20 VTLL[11]=41
N000 G00 X26 Z80 T111111 M42 S750 M03 M63 M08
NT11     Z2.5
N000 G71 X42 Z-18.5 H2 D0.3 Q4 F2
N000 G00 Z80
N000     X500 Z500
	
end
