#pragma once

#include "process/core/DialogSetup.h"

struct Module1;

// Work on an inclined plane: the B axis tilts the rotating tool, the C axis turns the work to
// its master angle, and the plane gets its own X (radius), Y and Z after a zero shift.

// The dialog for inclined work starts with the B angle shown.
DialogSetup InclinedPlaneSetUp(const QString& caption);

// The zero shift in X (field C, `caption` with the letter "X") and in Z (field SZ under the same
// caption), and the note `attention` that X is a radius.
DialogSetup& ZeroShiftFields(DialogSetup& setUp, const QString& caption, const QString& attention);

// The start point read as X, Y and Z on the plane, the end row as `endCaption` with `endLetter`
// at EndX, the spare end caption at the place of EndZ and the bottom Z at EndC.
DialogSetup& PlanePointFields(
    DialogSetup& setUp, const QString& endCaption, const QString& endLetter);

// After the pre-fill: the B angle and the Z shift of the last accepted dialog, an empty X shift.
DialogSetup& PreviousPlane(DialogSetup& setUp, const Module1& m);

// "N000 G138", the zero shift "N000 G174 SX=" + gC + " SZ=" + gSZ and the plane
// "N000 G127 B" + gB.
void AddInclinedPlane(Module1& m);

// The first words of the start line: "NT15 G00 C" + the master angle + " X" + gAppX + " Z" +
// gAppZ + " SB=" + gSpindleSpeed.
QString PlaneStart(Module1& m, double& masterAngle);

// The approach on the plane: "N000 G00  X" + gStartX + " Y" + gStartZ + " Z" + gAppZ.
void AddPlaneApproach(Module1& m);

// After a cycle on the plane: "N000 G180", the retract "N000 G00 Z" + gAppZ, and the way out of
// the plane "N000 G175", "N000 G126", "N000 G136".
void AddLeavePlane(Module1& m);
