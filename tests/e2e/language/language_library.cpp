// A language library holds resources only; this keeps the linker content with a module of no code.
extern "C" int OrvaneLanguageLibraryVersion() { return 1; }
