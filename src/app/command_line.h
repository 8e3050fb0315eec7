#pragma once
// What morvane answers on its command line without a window: --version and --help (-h), for
// people, scripts and the manual page. It runs before the application object, so it needs no
// display; the help is in the window's language (--lang zh|en names it for one run). Every
// other argument is Qt's own (-platform, -style, …) and goes on to the application.

// The exit code when the arguments ask for one of these, once the answer is on standard output;
// -1 when the window is to start.
int AnswerWithoutWindow(int argc, char** argv);
