#pragma once
// The marking modes of the register's animal list: each sets, clears or flips
// PAS:CHEK over a group of passports and writes each changed passport back at
// once, reading PASPORT through a scan of its own (the thread's buffers and the
// lists' rows stay as they were). The caller reloads its lists afterwards.
//
//   mode 1        the current animal (IDANIM) of the current holding and farm
//   modes 2..10   a group of the current holding and farm (IDHOZ, IDFERM)
//   mode 7        every passport of the file: marks cleared
//   modes 11..18  plan-status: marks passports of the current holding and farm
//                 by the state of a planned measure; they only ever set marks
//
// Plan-status modes need the measure picker first (diagnostic for 11, 12, 13 and
// 17, preventive for 14, 15, 16 and 18); the caller runs it and hands over what it
// left. The preventive modes run only when "Выбрать" was pressed in the picker:
// the caller skips them otherwise.

#include "platform/core/decimal.h"

namespace vx::registry::marking {

// How a mode was started: by an alert key of the animal list or from ?VUDELIT.
enum class MarkingPath { Key, List };

enum class MeasureFile { Diagnostic, Preventive };

// The measure a plan-status mode looks for, as the picker left it.
struct PickedMeasure {
    Decimal measure;  // IDTASK (diagnostic) or IDBOL (preventive)
    Decimal species;  // IDVIDANIM
};

bool isPlanStatusMode(int mode);
// The picker a plan-status mode needs.
MeasureFile measureFileOf(int mode);
// What the picker of `file` leaves in the program globals.
PickedMeasure pickedMeasure(MeasureFile file);

// Runs mode 1..18 (0 and others do nothing) over the thread's PASPORT (and VDI or
// VPO), then sets TASKBOL and shows the completion message as the path asks.
// By key, TASKBOL becomes spaces before a group mode runs; for a plan-status mode
// the caller clears it before its picker, which then writes the scheme's name.
// `picked` is used by the plan-status modes only.
void runMarking(int mode, MarkingPath path, const PickedMeasure& picked = {});

}  // namespace vx::registry::marking
