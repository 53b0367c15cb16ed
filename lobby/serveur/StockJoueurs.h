#pragma once
// Where the lobby server keeps its players: narrow on purpose, so that a shared base for
// several server processes can replace the single-machine one without touching the rest.
#include "lobby/ProtocoleLobby.h"

#include <cstdint>
#include <string>
#include <vector>

class CStockJoueurs {
public:
    virtual ~CStockJoueurs() = default;
    // Adds the record of its key (ipwan, iplan, port) or replaces it, keeping its id, and
    // marks it seen at `maintenant` (seconds). false when the store is full and the key new,
    // or on a storage error.
    virtual bool enregistrer(const lobby::FicheJoueur& fiche, int64_t maintenant) = 0;
    // true when a record was removed.
    virtual bool retirer(const std::string& ipwan, const std::string& iplan, int port) = 0;
    // Records seen at or after `depuis`, by id.
    virtual std::vector<lobby::FicheJoueur> lister(int64_t depuis) = 0;
    // Removes the records last seen before `avant`; returns how many went.
    virtual int expirer(int64_t avant) = 0;
    // Changes whenever the records change.
    virtual uint64_t generation() = 0;
};
