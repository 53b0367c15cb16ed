#include "core/PiloteGL.h"

#if defined(__SANITIZE_ADDRESS__)
#define TUV_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TUV_ASAN 1
#endif
#endif

#ifdef TUV_ASAN
#include <dlfcn.h>
#include <link.h>

#include <cstring>
#include <string>
#include <vector>
#endif

void tuv::garderPiloteGLJusquALaFin()
{
#ifdef TUV_ASAN
    std::vector<std::string> pilotes;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* liste) {
            const char* nom = info->dlpi_name;
            if (nom && (std::strstr(nom, "_dri.so") || std::strstr(nom, "libgallium")))
                static_cast<std::vector<std::string>*>(liste)->push_back(nom);
            return 0;
        },
        &pilotes);
    for (const std::string& p : pilotes)
        dlopen(p.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
#endif
}
