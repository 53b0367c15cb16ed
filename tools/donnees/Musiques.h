#pragma once
// The levels' musics and ambiences (./musiques/<level>.ogg and <level>_ambiance.ogg).
bool ecrireMusiques();
