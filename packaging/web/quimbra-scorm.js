// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page as a SCORM 1.2 activity of a school's learning platform (Moodle
// and the others that play SCORM packages). When the platform offers its
// SCORM API in a window above the page, every exercise that ends is reported
// to it: the percentage as the score, "passed" from 60 % up, the time spent
// and the result lines in suspend_data; the session ends with "Fine" or when
// the page closes. Without the API nothing here does anything.
"use strict";

window.quimbraScorm = (() => {
    const passMark = 60;
    const suspendLimit = 4096; // the longest cmi.suspend_data that SCORM 1.2 allows

    // The search that SCORM 1.2 prescribes: this window and those above it,
    // then the window that opened it and those above that one. A window of
    // another origin cannot be read and ends the search up that way.
    function findIn(win) {
        for (let tries = 0; win && tries < 10; ++tries) {
            try {
                if (win.API && typeof win.API.LMSInitialize === "function")
                    return win.API;
            } catch (error) {
                return null;
            }
            if (!win.parent || win.parent === win)
                return null;
            win = win.parent;
        }
        return null;
    }
    const api = findIn(window) || (window.opener ? findIn(window.opener) : null);
    const started = Date.now();
    let open = false;
    let lines = [];

    if (api && String(api.LMSInitialize("")) === "true") {
        open = true;
        // The lines of earlier sessions of this attempt stay; the oldest go
        // first when the field is full.
        const kept = String(api.LMSGetValue("cmi.suspend_data") || "");
        lines = kept ? kept.split("\n").filter((line) => line) : [];
        if (String(api.LMSGetValue("cmi.core.lesson_status")) === "not attempted")
            api.LMSSetValue("cmi.core.lesson_status", "incomplete");
    }

    // CMITimespan: HHHH:MM:SS.SS, hours of at least two digits.
    function sessionTime() {
        const centis = Math.floor((Date.now() - started) / 10);
        const hours = Math.min(9999, Math.floor(centis / 360000));
        const two = (n) => String(n).padStart(2, "0");
        return `${two(hours)}:${two(Math.floor(centis / 6000) % 60)}:` +
               `${two(Math.floor(centis / 100) % 60)}.${two(centis % 100)}`;
    }

    function suspendData() {
        while (lines.length > 1 && lines.join("\n").length > suspendLimit)
            lines.shift();
        return lines.join("\n").slice(-suspendLimit);
    }

    // Called by the program when an exercise ends.
    function report(percent, line) {
        if (!open)
            return;
        const score = Math.max(0, Math.min(100, Math.round(Number(percent) || 0)));
        lines.push(String(line));
        api.LMSSetValue("cmi.core.score.min", "0");
        api.LMSSetValue("cmi.core.score.max", "100");
        api.LMSSetValue("cmi.core.score.raw", String(score));
        api.LMSSetValue("cmi.core.lesson_status", score >= passMark ? "passed" : "failed");
        api.LMSSetValue("cmi.core.session_time", sessionTime());
        api.LMSSetValue("cmi.suspend_data", suspendData());
        api.LMSCommit("");
    }

    // The session's end: "Fine", the program's last window closed, or the page left.
    function finish() {
        if (!open)
            return;
        open = false;
        api.LMSSetValue("cmi.core.session_time", sessionTime());
        api.LMSCommit("");
        api.LMSFinish("");
    }
    window.addEventListener("pagehide", finish);

    return { report, finish, connected: () => open };
})();
