#pragma once

class QApplication;

namespace quimbra {

// The program's name, version and icon, shared by every window.
void applyIdentity(QApplication &app);

} // namespace quimbra
