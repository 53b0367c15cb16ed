#pragma once
// Helpers of the sprite-tool tests: a dialog of the program's class laid out from its real
// model and registered as the set-up does, and the texts of the open message boxes.
#include "game/OutilsJeu.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXMessageBox.h"
#include "gui/CPLUXTest.h"
#include "gui/ModelesOutils.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

template <class T>
std::unique_ptr<T> dialogueOutil(const std::string& id)
{
    auto d = std::make_unique<T>();
    d->setId(id);
    CPLUX::pModeleDef->appliquerFichier(d.get(), dossierModeles() + id + ".mod");
    CPLUX::addDialog(nullptr, d.get(), nullptr, 0);
    d->show();
    return d;
}

// A dialog at (x, y) holding a picture "img" at (gauche, haut), l x h, for key-point markers.
struct ScenePicture {
    ScenePicture(int x, int y, float gauche, float haut, float l, float h)
    {
        d.setPosition(x, y);
        image = d.addControlImage("img");
        image->setPosition(gauche, haut);
        image->setVisibleDimension(l, h);
    }
    CPLUXDialog d;
    CPLUXControlImage* image = nullptr;
};

// What a user does to replace an input's text: click, select all, type.
inline void saisir(const std::string& dialogue, const std::string& id, const std::string& texte)
{
    CPLUXTest::click(dialogue, id);
    CPLUXTest::key(sf::Keyboard::A, true);
    if (texte.empty())
        CPLUXTest::key(sf::Keyboard::BackSpace);
    else
        CPLUXTest::type(texte);
}

// Every text of every open message box, each box as "title: texts".
inline std::string textesBoites()
{
    std::string r;
    for (const CPLUXMessageBox* b : CPLUX::getMessageBoxes()) {
        r += b->getTitle() + ":";
        for (const CPLUXControl* c : b->getControls())
            if (c->getGenre() == CPLUXControl::GENRE_TEXTE)
                r += " " + c->getText();
        r += "\n";
    }
    return r;
}

// Each test in its own working folder, with the library emptied before and after.
class OutilTest : public ::testing::Test {
protected:
    void SetUp() override { CPLUXTest::reset(); }
    void TearDown() override { CPLUXTest::reset(); }
    DossierDeTravail dossier;
};
