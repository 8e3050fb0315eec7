#pragma once
// The process-wide state the tests start from, put back in one call.

// Every process-wide buffer and setting as at start-up: the serial settings with the port map, the
// image canvas, the program image and the current panel; no fake device missing or refused; and
// an empty user configuration file of its own in a temporary folder (no remembered folders or
// window places), never the user's own.
// (A conversation's own state lives in its port's session and starts afresh with it.)
void ResetProcessState();
