#pragma once
// Where the lobby server keeps its players: narrow on purpose, so that a shared base for
// several server processes can replace the single-machine one without touching the rest.
#include "lobby/ProtocoleLobby.h"

#include <cstdint>
#include <string>
#include <vector>

// What became of a record handed to the store.
enum class Enregistrement {
    FAIT,
    COMPLET,         // a new key, the store holds its maximum and the key's /16 is among the largest
    ADRESSE_PLEINE,  // a new key, and its ipwan has its maximum of live records
    RESEAU_PLEIN,    // a new key, and its ipwan's /24 network has its maximum of live records
    RESEAU16_PLEIN,  // a new key, and its ipwan's /16 network has its maximum of live records
    ERREUR,          // the storage failed
};

// The network of a client address for the limits, its /24: "a.b.c." for "a.b.c.d"; empty for
// anything but a dotted IPv4 address. Every address of the network, as text, begins with it.
inline std::string reseauAdresse(const std::string& ip)
{
    return lobby::estIpv4(ip) ? ip.substr(0, ip.rfind('.') + 1) : std::string();
}

// The larger network of a client address, its /16: "a.b." for "a.b.c.d"; empty for anything
// but a dotted IPv4 address.
inline std::string reseau16Adresse(const std::string& ip)
{
    return lobby::estIpv4(ip) ? ip.substr(0, ip.find('.', ip.find('.') + 1) + 1) : std::string();
}

// For new keys, at most `max` records seen at or after `depuis` per ipwan, `maxReseau` per /24
// network of ipwan and `maxReseau16` per /16; 0: no limit.
struct PlafondAdresse {
    size_t max = 0;
    int64_t depuis = 0;
    size_t maxReseau = 0;
    size_t maxReseau16 = 0;
};

class CStockJoueurs {
public:
    virtual ~CStockJoueurs() = default;
    // Adds the record of its key (ipwan, iplan, port) or replaces it, keeping its id, and
    // marks it seen at `maintenant` (seconds). A key already there is always replaced; a new
    // one only within the address's and its networks' maximums. In a full store, a new key
    // whose /16 holds at least two records fewer than the /16 holding the most takes the place
    // of that network's oldest record; other new keys are refused. Nothing changes unless FAIT.
    virtual Enregistrement enregistrer(const lobby::FicheJoueur& fiche, int64_t maintenant,
                                       PlafondAdresse plafond) = 0;
    // The same with no limit per address: true when done.
    bool enregistrer(const lobby::FicheJoueur& fiche, int64_t maintenant)
    {
        return enregistrer(fiche, maintenant, PlafondAdresse{}) == Enregistrement::FAIT;
    }
    // true when a record was removed.
    virtual bool retirer(const std::string& ipwan, const std::string& iplan, int port) = 0;
    // Records seen at or after `depuis`, by id.
    virtual std::vector<lobby::FicheJoueur> lister(int64_t depuis) = 0;
    // Records seen after `maintenant` were stored before the clock was set back: they count
    // as seen now. Then removes the records last seen before `avant`; returns how many went.
    virtual int expirer(int64_t avant, int64_t maintenant) = 0;
    // Looks whether the storage is still where it was opened and mends it if it can, saying
    // so in the store's log.
    virtual void surveiller() {}
    // Changes whenever the records change.
    virtual uint64_t generation() = 0;
};
