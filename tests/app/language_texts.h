// The texts of the three language tables, as a user reads them.
#pragma once

#include <windows.h>
#include <string>

#include "app/settings.h"
#include "tests/support/test_support.h"

inline const wchar_t *const English[LanguageTexts] = {
    L"&Add a shortcut of the 32-bit executable to the desktop",
    L"&Add a shortcut of the 64-bit executable to the desktop",
    L"Uncheck the files you do not wish to be associated to Quenlo",
    L"At least one instance of Quenlo is running. Please close it and run the 'Settings' program "
    L"again.",
    L"Quenlo settings successfully saved.",
    L"Quenlo module files (*.asm)",
    L"&OK",
    L"Quenlo project files (*.qnp)",
    L"Quenlo resource files (*.qnr)",
    L" Quenlo 2 Settings",
    L"Quenlo window files (*.qnw)",
    L"Settings has no rights enough to associate files. You will have to associate them "
    L"manually.",
    L"This application must be run as an administrator.",
    L"A&ssociate to:",
    L"&32-bit",
    L"&64-bit",
    L"Quenlo was not found in this folder. Please run the 'Settings' program from the Quenlo "
    L"installation folder.",
    L"The desktop shortcuts could not be created. You will have to create them manually.",
    L"The path of this folder is too long. Please run the 'Settings' program from a Quenlo "
    L"installation folder with a shorter path.",
};

inline const wchar_t *const Catalan[LanguageTexts] = {
    L"&Crea una drecera de l'executable de 32 bits a l'escriptori",
    L"&Crea una drecera de l'executable de 64 bits a l'escriptori",
    L"Desmarqueu els fitxers que no vulgueu associar a l'Quenlo",
    L"Hi ha almenys una inst\u00e0ncia en marxa de l'Quenlo. Si us plau tanqueu-la i torneu a "
    L"executar el programa 'Settings'.",
    L"La configuraci\u00f3 de l'Quenlo ha estat desada correctament.",
    L"Fitxers de m\u00f2dul Quenlo (*.asm)",
    L"&D'acord",
    L"Fitxers de projecte Quenlo (*.qnp)",
    L"Fitxers de recursos Quenlo (*.qnr)",
    L" Configuraci\u00f3 de l'Quenlo 2",
    L"Fitxers de finestra Quenlo (*.qnw)",
    L"Settings no t\u00e9 prou permisos per associar els fitxers. Haureu d'associar-los "
    L"manualment.",
    L"Aquesta aplicaci\u00f3 s'ha d'executar com a administrador.",
    L"A&ssocia a:",
    L"&32 bits",
    L"&64 bits",
    L"No s'ha trobat l'Quenlo en aquesta carpeta. Si us plau executeu el programa 'Settings' des "
    L"de la carpeta d'instal\u00b7laci\u00f3 de l'Quenlo.",
    L"No s'han pogut crear les dreceres de l'escriptori. Les haureu de crear manualment.",
    L"El cam\u00ed d'aquesta carpeta \u00e9s massa llarg. Si us plau executeu el programa "
    L"'Settings' des d'una carpeta d'instal\u00b7laci\u00f3 de l'Quenlo amb un cam\u00ed "
    L"m\u00e9s curt.",
};

inline const wchar_t *const Spanish[LanguageTexts] = {
    L"&Crear un acceso directo del ejecutable de 32 bits en el escritorio",
    L"&Crear un acceso directo del ejecutable de 64 bits en el escritorio",
    L"Desmarque los archivos que no desee asociar a Quenlo",
    L"Hay al menos una instancia en marcha de Quenlo. Por favor ci\u00e9rrela y vuelva a ejecutar "
    L"el programa 'Settings'.",
    L"La configuraci\u00f3n de Quenlo ha sido guardada correctamente.",
    L"Archivos de m\u00f3dulo Quenlo (*.asm)",
    L"&Aceptar",
    L"Archivos de proyecto Quenlo (*.qnp)",
    L"Archivos de recursos Quenlo (*.qnr)",
    L" Configuraci\u00f3n de Quenlo 2",
    L"Archivos de ventana Quenlo (*.qnw)",
    L"Settings no tiene suficientes permisos para asociar los archivos. Deber\u00e1 asociarlos "
    L"manualmente.",
    L"Esta aplicaci\u00f3n debe ejecutarse como administrador.",
    L"A&sociar a:",
    L"&32 bits",
    L"&64 bits",
    L"No se ha encontrado Quenlo en esta carpeta. Por favor ejecute el programa 'Settings' desde "
    L"la carpeta de instalaci\u00f3n de Quenlo.",
    L"No se han podido crear los accesos directos del escritorio. Deber\u00e1 crearlos "
    L"manualmente.",
    L"La ruta de esta carpeta es demasiado larga. Por favor ejecute el programa 'Settings' desde "
    L"una carpeta de instalaci\u00f3n de Quenlo con una ruta m\u00e1s corta.",
};

// A text in Windows-1252, as the tables hold it.
inline std::string Cp1252(const wchar_t *text) {
    char bytes[512];
    int n = WideCharToMultiByte(1252, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    return std::string(bytes, n > 0 ? n - 1 : 0);
}

// The table the user's default language chooses.
inline const wchar_t *const *ExpectedTexts() {
    switch (PRIMARYLANGID(GetUserDefaultLangID())) {
    case LANG_CATALAN: return Catalan;
    case LANG_SPANISH: return Spanish;
    default: return English;
    }
}
