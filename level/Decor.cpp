#include "level/Decor.h"

#include "characters/Perso.h"

CDecor::CDecor() = default;

CDecor::~CDecor()
{
    for (CPerso* p : persos)
        delete p;
    for (CPerso* p : ias)
        delete p;
}

int CDecor::chargerNiveau(const std::string& fichier, int numero)
{
    numNiveau = numero;
    return 0;
}

void CDecor::dessiner(sf::RenderWindow* fenetre)
{
}
