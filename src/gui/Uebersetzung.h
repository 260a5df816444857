#pragma once

class QCoreApplication;

// Loads Qt's own German texts (standard dialogs, buttons), whatever the
// system language is.
void DeutscheUebersetzungLaden(QCoreApplication& app);
