#pragma once
// The accessibility interface of CHexDumpView: a read-only, multi-line text field whose text is
// the exact dump, read through the accessibility text interface as a plain-text edit is.

// Makes Qt's accessibility give every CHexDumpView that interface; later calls do nothing.
void InstallHexDumpAccessible();
