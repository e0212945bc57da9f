#pragma once

class QCoreApplication;

// Makes Qt's own texts (message box buttons, the line edits' menus) Finnish, as the program's
// are, whatever the desktop's language. False when Qt's Finnish translation is not installed.
bool installFinnishTranslation(QCoreApplication& app);
