#pragma once

class QCoreApplication;

// Before the application is made: Qt reads the system locale (dates and
// times in the file dialogs, say) from the environment, so the process says
// German there, whatever the user's setting.
void DeutscheUmgebungVorbereiten();
// The German locale for everything Qt formats or translates itself (dates,
// file types, the standard dialogs); the C library keeps the "C" rules for
// numbers, so nothing parsed by it ever expects a decimal comma. The
// program's own number texts follow their own rules anyway.
void DeutschesGebietsschema();
// Loads Qt's own German texts (standard dialogs, buttons), whatever the
// system language is, and sets the German locale (DeutschesGebietsschema).
void DeutscheUebersetzungLaden(QCoreApplication& app);
