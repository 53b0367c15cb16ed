#include "core/RefPerso.h"

#include <unordered_map>

namespace {

// Never destroyed: characters may outlive the end of main in static objects.
std::unordered_map<const CPerso*, uint64_t>& registre()
{
    static auto* r = new std::unordered_map<const CPerso*, uint64_t>();
    return *r;
}

uint64_t prochaineSerie = 0;

} // namespace

void RefPerso::enregistrer(const CPerso* p)
{
    if (p)
        registre()[p] = ++prochaineSerie;
}

void RefPerso::oublier(const CPerso* p) { registre().erase(p); }

uint64_t RefPerso::serieDe(const CPerso* p)
{
    if (!p)
        return 0;
    auto it = registre().find(p);
    return it == registre().end() ? 0 : it->second;
}

RefPerso& RefPerso::operator=(CPerso* p)
{
    serie = serieDe(p);
    ptr = serie ? p : nullptr;
    return *this;
}

CPerso* RefPerso::vivant() const { return serieDe(ptr) == serie ? ptr : nullptr; }
