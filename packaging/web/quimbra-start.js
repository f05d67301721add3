// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Starts the program in the page's canvas through Qt's loader.
"use strict";

(() => {
    if (typeof WebAssembly === "undefined") {
        quimbraPage.show("Questo browser non può eseguire Quimbra: serve un browser recente, " +
                         "con WebAssembly attivo.");
        return;
    }
    const canvas = document.getElementById("quimbra-canvas");
    window.qtLoader = QtLoader({
        canvasElements: [canvas],
        showLoader: () => {},
        showCanvas: () => {
            document.getElementById("quimbra-loading").hidden = true;
            canvas.style.display = "block";
            document.getElementById("quimbra-help").hidden = false;
        },
        showError: (text) => {
            console.error(text);
            if (/WebGL/.test(text))
                quimbraPage.show("Questo browser non può eseguire Quimbra: serve WebGL, " +
                                 "che qui è spento o non disponibile.");
            else
                quimbraPage.show("Non è stato possibile caricare Quimbra. Controlla la " +
                                 "connessione e ricarica la pagina.");
        },
        showExit: (crashed) => {
            if (crashed)
                quimbraPage.show("Quimbra si è fermato per un errore.");
            else
                window.quimbraEnded();
        },
    });
    // "?" opens the program's help at the page of the window in front, as F1.
    document.getElementById("quimbra-help").addEventListener("click", (event) => {
        event.preventDefault();
        const module = qtLoader.module();
        if (module && module.openHelp)
            module.openHelp();
    });
    qtLoader.loadEmscriptenModule("quimbra");
})();
