#pragma once

namespace zorv::journal {

class Journal;

// Shows what the journal cannot do in a message box, after the event that found it, so that the
// result of a calculation shows first.
void showProblemsOf(Journal &journal);

} // namespace zorv::journal
