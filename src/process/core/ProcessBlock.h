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

bool IsDuomill(const Module1& m);

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
