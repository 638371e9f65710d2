#pragma once

#include <QString>

struct Module1;

// What the material input dialog holds: the texts of Text1 to Text9 (index 0 unused) and its
// choices.
struct MaterialFields
{
    QString text[10];
    bool gripOutside = true; // OD ("UTV.") rather than ID ("INV.")
    bool subSpindle = false; // SubSpindle rather than MainSpindle
    bool tailstock = false; // Check1, "With Tailstock"
    bool planDrawing = false; // Check2, "Plan Drawing On"
};

// Takes the blank and chuck dimensions into the material values: P-Zero, jaw length and plan by
// the leading-number rule, the blank's length and diameters as their integer parts.
void ReadMaterialFields(Module1& m, const MaterialFields& fields);

// The graphic-data sub-program OUGC describing blank, chuck and tailstock to the control, built
// into gProcessText from the material values and the dialog's choices.
void BuildGraphicData(Module1& m, const MaterialFields& fields);

// The program frame around the processes: `start` goes before the caret (the A-turret start with
// its G13 line on a two-saddle machine), `rest` after it (the B-turret part and the program end).
struct ProgramFrameText
{
    QString start;
    QString rest;
};
ProgramFrameText BuildProgramFrame(Module1& m);
