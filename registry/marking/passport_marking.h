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
//                 by the state of a measure picked in a scheme window; they only
//                 ever set marks

namespace vx::registry::marking {

// How a mode was started: by an alert key of the animal list or from ?VUDELIT.
enum class MarkingPath { Key, List };

// Runs mode 1..18 (0 and others do nothing). By key, TASKBOL becomes spaces
// first. A plan-status mode first runs its scheme window as a measure picker on
// this thread and waits for it to close: BrwtaskVDI for 11, 12, 13 and 17 (the
// measure it last highlighted), BrwtaskVPO for 14, 15, 16 and 18 (the measure and
// species of the scheme of "Выбрать", and only when it was pressed in that run:
// else nothing is marked).
// Then the scan, the TASKBOL caption and the completion message as the path asks.
void runMarking(int mode, MarkingPath path);

}  // namespace vx::registry::marking
