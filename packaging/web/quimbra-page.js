// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page around the program: the loading bar, and what the page says when
// the program cannot start, has ended or has stopped on an error. All in
// Italian, like the program.
"use strict";

const quimbraPage = (() => {
    const wasmBytes = Number(document.currentScript.dataset.wasmBytes) || 0;
    const byId = (id) => document.getElementById(id);

    function show(text) {
        byId("quimbra-loading").hidden = true;
        byId("quimbra-canvas").style.display = "none";
        byId("quimbra-help").hidden = true;
        byId("quimbra-text").textContent = text;
        byId("quimbra-message").hidden = false;
    }

    function progress(fraction, status) {
        const percent = Math.min(100, Math.floor(fraction * 100));
        byId("quimbra-progress").value = percent;
        byId("quimbra-percent").textContent = percent + " %";
        if (status)
            byId("quimbra-status").textContent = status;
    }

    // Qt's loader fetches the program itself; the bytes are counted on their
    // way, against the size written into the page when it was built.
    const realFetch = window.fetch.bind(window);
    window.fetch = async (resource, init) => {
        const response = await realFetch(resource, init);
        if (!String(resource).endsWith(".wasm") || !response.ok || !response.body || !wasmBytes)
            return response;
        const reader = response.body.getReader();
        const chunks = [];
        let received = 0;
        for (;;) {
            const { done, value } = await reader.read();
            if (done)
                break;
            chunks.push(value);
            received += value.length;
            progress(received / wasmBytes);
        }
        progress(1, "Avvio di Quimbra…");
        return new Response(new Blob(chunks), {
            status: response.status,
            headers: { "Content-Type": "application/wasm" },
        });
    };

    byId("quimbra-restart").addEventListener("click", (event) => {
        event.preventDefault();
        location.reload();
    });

    // Called by the program when its last window has closed; a learning
    // platform's session ends with it.
    window.quimbraEnded = () => {
        if (window.quimbraScorm)
            window.quimbraScorm.finish();
        show("Quimbra è terminato.");
    };

    return { show, progress };
})();
