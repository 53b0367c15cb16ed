// Linked into every fuzz target. A small quarantine of freed memory (64 MB instead of 256),
// so that a target's memory is mostly what its readers hold, and shorter allocation stacks,
// recorded at every allocation of a run.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=64:malloc_context_size=8"; }
