#pragma once
// Sanitizer builds only (nothing otherwise). The GL driver is unloaded when the display
// closes at exit and leaks on its way out; unloaded, its code has no name when the leak check
// runs, and tests/lsan.supp cannot tell its leaks from ours. Called while a GL context exists
// (the driver loaded), it keeps the driver loaded to the end, so that its leaks carry the
// driver's name, which the suppressions list.
namespace tuv {
void garderPiloteGLJusquALaFin();
}
