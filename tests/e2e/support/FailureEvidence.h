#pragma once
// What a failed end-to-end test leaves behind: a screenshot of the screen
// named after the test, the mapped windows and the program's output.

namespace e2e {

class ProgramFolder;
class XSession;

// Call from TearDown; does nothing when the test passed.
void keepFailureEvidence(XSession &session, const ProgramFolder &folder);

} // namespace e2e
