#pragma once

#include <QString>

#include <initializer_list>
#include <utility>

class Variant;
struct Module1;

// The pieces every generated block is made of. Each appends to gProcessText of the state it is
// given; lines end with CR LF. Numbers go through FormatNc, which stores its rounding back into
// the variable it is given, as the generators rely on.

// "(-----< name >-----)": the first line of a process; replaces whatever gProcessText held.
void StartProcess(Module1& m, const QString& name);

// One line, CR LF added.
void AddLine(Module1& m, const QString& line);

// One line of words, CR LF added. The words are evaluated from left to right, so a value that
// FormatNc floors in place is floored for the words after it.
void AddLine(Module1& m, std::initializer_list<QString> words);

// The line of one TAB that closes every process.
void AddTabLine(Module1& m);

// FormatNc of a value kept as a variant (the positions of the machine parameters).
QString FormatNc(Variant& v);

// One tool data line, only when gToolFrom is True: "NOEX VTLIN[5]=22 VTLFN[5]=1 ..." with the
// tool variables, or the same with the tool-group variables (VGRIN ...) when gTG is True. The
// words are the names after VTL/VGR and their values, for example {"IN", "22"}.
using ToolDataWord = std::pair<const char*, QString>;
void AddToolData(Module1& m, std::initializer_list<ToolDataWord> words);

// The tool word of the tool call: " T0505" (or " TL=0505" on a Duomill machine) with the two-digit
// tool number repeated `repeats` times; " TG=5 OG=1" with tool groups.
QString ToolWord(Module1& m, int repeats);

// "NT" and the two-digit tool number: the sequence name of a process's first cutting line.
QString SequenceName(Module1& m);

// The ATC ready-request blocks, written only on a Duomill machine: "N000 MT=501" or
// "N000 MT=1 TG=5" for a turning (L) tool, the type digits following gTurretType for a rotating
// (M) tool, each followed by "N000 " and the ATC macro.
void AppendAtcLTool(Module1& m);
void AppendAtcMTool(Module1& m);

// The text of the ATC ready-request menu items: "N000 MT=1" (L tool) or "N000 MT=3" (M tool),
// followed by " TG=" with tool groups, for the user to finish.
QString AtcRequestText(const Module1& m, int toolType);

// The return that ends a process. On a Duomill machine: `move` + gAppX + `words`, then
// "N000 G21 HP=4 M05 M63 M09". Otherwise: `move` + gHomeX + " Z" + gHomeZ + `words`. `move` is
// "N000 G00 X" or "N000     X".
void AddReturn(Module1& m, const QString& move, const QString& words = {});

// The return of a process whose last move has already taken the tool clear of the work: on a
// Duomill machine "N000 G21 HP=4 M05 M63 M09", otherwise "N000     X" + gHomeX + " Z" + gHomeZ.
void AddReturnAfterRetract(Module1& m);

bool IsDuomill(const Module1& m);

// Rotating (M) tools.

// The words that start the rotating tool at the end of a process's first cutting line: " M13",
// then " M63" and the coolant code, or " M64" and the coolant code on a control before K500
// (gQCSK500 False), where the caller writes the M62 that must follow.
QString MToolStartWords(const Module1& m);

// The approach with the tool call: "N000 G00 X" + x + " Z" + gAppZ, the tool word (ToolWord),
// then `range` (" M41 S" or " M42 S") with gSpindleSpeed, gSpindleCode and gCoolantCode. `x` is
// the approach diameter, already written.
void AddToolCall(Module1& m, const QString& x, int toolRepeats, const QString& range);

// The spindle speed of a turning process at its reference diameter, computed only when the
// cutting speed gV is greater than 0: otherwise gSpindleSpeed keeps the speed of the process
// before. A reference diameter of 0 is the division-by-zero run-time error.
void SetTurningSpeed(Module1& m, double diameter);

// The opening of the rough turning and finishing processes: the spindle speed at the start
// diameter gStartX + 6 (SetTurningSpeed), the header (StartProcess), the tool data and the ATC
// ready-request of a turning tool. The tool data are the kind, function 1 and the angle, then
// A2 `a2` and the usable length 40; a boring bar (`a2` null) has A2 3, the diameter 20 and the
// usable length (gStartZ - gEndZ) + 20 instead.
void StartTurningProcess(
    Module1& m, const QString& name, const char* kind, const char* angle, const char* a2);

// The first cutting line of a turning process: "NT05     Z" + z + " G96 S" + gV, the tool going to
// z and turning on constant surface speed.
void AddFirstTurningCut(Module1& m, double z);

// Facing to the centre: "N000 G01 X0 G41 I1" + `feed` with cutter compensation on the way in,
// then "N000 G40 I-1" cancelling it at the centre.
void AddFaceToCentre(Module1& m, const QString& feed);

// " G97 S" + gSpindleSpeed + " M63": the turning processes leave constant surface speed on their
// return at the speed they computed.
QString FixedSpeedWords(Module1& m);

// Rotating (M) tools. Their spindle starts with M13 and stops with M12; the words around these
// follow the machine's M-code convention gQCSK500: " M63" after K500, otherwise " M64" and a
// line "N000     M62" after the line.

// The tool line of a rotating-tool process: `head` ("N000 G94 M110") and the tool word with three
// repeats; on a Duomill machine, when `bAngle` is given, the B axis turns first:
// " G52 BA=" + bAngle + " M66".
void AddMToolCall(Module1& m, const QString& head, const QString& bAngle = {});

// The words of the start line (as AddLine), then " M13" + " M63"/" M64" + gCoolantCode; then
// "N000     M62" before K500.
void AddMToolStart(Module1& m, std::initializer_list<QString> words);

// The return of a rotating-tool process. On a Duomill machine "N000 G21 HP=4 M12 M63 M09",
// preceded by "N000     X" + gAppX when `approachX`. Otherwise "N000     X" + gHomeX + " Z" +
// gHomeZ, with the spindle stop " M12 M63" (" M12 M64" and "N000     M62" before K500) when
// `stopSpindle`.
void AddMToolReturn(Module1& m, bool approachX, bool stopSpindle = true);
