// Linked into every fuzz target. A target whose source has a "<target>.options" file next to
// it is built with that file's max_len (FUZZ_LONGUEUR_MAX): libFuzzer is then given
// -max_len=<that> ahead of the command line's own flags, so that a run started without it
// does not grow inputs far past what the format's real files hold (libFuzzer's guess is 4096
// bytes or the largest seed), while a -max_len given on the command line, read later, wins.
#ifdef FUZZ_LONGUEUR_MAX
#include <cstddef>
#include <string>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static std::string drapeau = "-max_len=" + std::to_string(FUZZ_LONGUEUR_MAX);
    // libFuzzer reads the arguments after this returns; argv[0] stays first.
    static char** args = new char*[static_cast<std::size_t>(*argc) + 2];
    args[0] = (*argv)[0];
    args[1] = drapeau.data();
    for (int i = 1; i < *argc; ++i)
        args[i + 1] = (*argv)[i];
    args[*argc + 1] = nullptr;
    ++*argc;
    *argv = args;
    return 0;
}
#endif
