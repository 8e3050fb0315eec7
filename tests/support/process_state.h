#pragma once
// The process-wide state the tests start from, put back in one call.

// Every process-wide buffer and setting as at start-up: the serial settings with the port map, the
// image canvas, the program image and the current panel; and no fake device missing or refused.
// (A conversation's own state lives in its port's session and starts afresh with it.)
void ResetProcessState();
