// Linked into every fuzz target. A small quarantine of freed memory (16 MB instead of 256)
// and freed pages given back to the system often, so that a target's memory is mostly what
// its readers hold (freed chunks of every size otherwise stay, and a run of the ".dec" target
// held 680 MB for 60 MB in use); shorter allocation stacks, recorded at every allocation.
extern "C" const char* __asan_default_options()
{
    return "quarantine_size_mb=16:allocator_release_to_os_interval_ms=100:malloc_context_size=8";
}
