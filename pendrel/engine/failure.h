#pragma once
// Why the engine last failed to make a value. Entry points return none on failure and say
// nothing; whoever drives the engine asks here after a call, to stop a run that cannot go on
// and tell the user why.
enum class vFailure { None, TooLarge, OutOfMemory };

// Notes a failure; the first one noted is kept until it is taken.
void vNoteFailure(vFailure failure);
// The failure noted since the last call, and the note cleared.
vFailure vTakeFailure();
