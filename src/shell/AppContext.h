#pragma once

#include "platform/Folders.h"

class Clock;
class Prompter;
class Sound;
class Notifier;
class ShellOpener;
class RandomSource;
class UserRegistry;
class LogonEntry;
class FormRegistry;
class mdlVariables;
class NotesBus;
class Spelling;

// What the composition root (the program's main, or a test) hands to every
// form: the outside world, behind interfaces, and the run's shared values.
struct AppContext
{
    Folders folders;
    Clock *clock = nullptr;
    Prompter *prompter = nullptr;
    Sound *sound = nullptr;
    Notifier *notifier = nullptr;
    ShellOpener *shell = nullptr;
    RandomSource *random = nullptr;
    UserRegistry *registry = nullptr;
    LogonEntry *logon = nullptr;
    FormRegistry *forms = nullptr;
    mdlVariables *vars = nullptr;
    // The session-bus interface; absent in tests and without a bus.
    NotesBus *bus = nullptr;
    // The window system tells where windows are (not so on Wayland): see WindowPlace.
    bool windowPositionsKnown = true;
    // Spelling for every note; absent in tests that do not check it.
    Spelling *spelling = nullptr;
};
