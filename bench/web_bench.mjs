// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page's speed in headless Chromium, served from 127.0.0.1:
//  - from navigation to the menu drawn, cold (the browser's cache off);
//  - opening the sorting window from the menu, from the click's release to
//    the frame that shows the window;
//  - the step view of Bubble at its fastest speed: the main thread's work in
//    each frame of the run (every timer and animation-frame callback between
//    two frames) and the frames the browser shows a second (the view makes
//    one update for each).
// Times are taken inside the page with performance.now().
//
//   node --experimental-websocket web_bench.mjs SITE [LOADS]
import { openBrowser, serve, sleep } from "../tests/web/page_driver.mjs";

const [site, loadsArg] = process.argv.slice(2);
const loads = Number(loadsArg) || 5;
const median = (v) => [...v].sort((a, b) => a - b)[Math.floor((v.length - 1) / 2)];
const percentile = (v, p) => [...v].sort((a, b) => a - b)[Math.min(v.length - 1, Math.ceil(v.length * p) - 1)];
const ms = (x) => `${x.toFixed(1)} ms`;

// Installed before the page's own scripts: the time of the first frame with
// the menu in it, and the work of each frame while window.__measure is set.
const probe = `(() => {
    const raf = window.requestAnimationFrame.bind(window);
    const later = window.setTimeout.bind(window);
    let work = 0;
    window.__frames = [];
    window.__measure = false;
    const timed = (fn) => function (...args) {
        const start = performance.now();
        try { return fn.apply(this, args); } finally { work += performance.now() - start; }
    };
    window.requestAnimationFrame = (fn) => raf(timed(fn));
    window.setTimeout = (fn, ...rest) => later(typeof fn === "function" ? timed(fn) : fn, ...rest);
    const tick = (t) => { if (window.__measure) window.__frames.push([t, work]); work = 0; raf(tick); };
    raf(tick);
    window.__shown = (name) => new Promise((resolve) => {
        const look = () => {
            const module = window.qtLoader && qtLoader.module && qtLoader.module();
            if (module && module.controlRect && module.controlRect(name))
                raf(() => resolve(performance.now()));
            else
                raf(look);
        };
        look();
    });
})();`;

const host = await serve(site);
const page = await openBrowser(host.origin);
await page.send("Page.addScriptToEvaluateOnNewDocument", { source: probe });
await page.send("Network.setCacheDisabled", { cacheDisabled: true });

const loadTimes = [];
for (let i = 0; i < loads; ++i) {
    await page.send("Page.navigate", { url: `${host.origin}/?load=${i}` });
    await sleep(200);
    loadTimes.push(await page.evaluate(`window.__shown("frm_Quimbra")`));
}

// Opening the sorting window, and closing it with its "Fine" before the next.
const openTimes = [];
for (let i = 0; i < 10; ++i) {
    await page.evaluate(`window.__opened = new Promise((resolve) => {
        document.getElementById("quimbra-canvas").addEventListener("pointerup", () => {
            const released = performance.now();
            window.__shown("frmSort").then((shown) => resolve(shown - released));
        }, { once: true, capture: true });
    }); true`);
    await page.click("frm_Quimbra/cmdSort");
    openTimes.push(await page.evaluate(`window.__opened`));
    await page.click("frmSort/cmdFine");
    await page.gone("frmSort");
}

// The step view of Bubble (the second column) on the window's 1000 values, at
// full speed: some 750,000 steps, 10,000 a frame.
await page.click("frm_Quimbra/cmdSort");
await page.waitFor("frmSort/lstSort");
await page.click("frmSort/lstSort", "left", { dx: 88 }); // the next column's list
await page.key("F2", "F2", 113);
await page.waitFor("frmPassoSort");
await page.click("frmPassoSort/sldVelocita");
await page.key("End", "End", 35);
// Measured from the release of the click on "Avvia": the frames of the
// button's hover and press are not the run's.
await page.evaluate(`window.__frames = [];
    document.getElementById("quimbra-canvas").addEventListener("pointerup", () => { window.__measure = true; },
                                                               { once: true, capture: true }); true`);
await page.click("frmPassoSort/cmdAvvia");
await sleep(3000);
// The frames of the run: those with work, the first (which repaints what the
// start changed: the button's "Pausa", the labels made plain) apart.
const shown = (await page.evaluate(`window.__measure = false; window.__frames`)).filter(([, w]) => w > 0);
const [first, ...frames] = shown.map(([, w]) => w);
const span = (shown[shown.length - 1][0] - shown[0][0]) / 1000;
await page.close();
host.close();

if (page.errors.length)
    console.log(`errors on the console: ${page.errors.join(" | ")}`);
console.log(`navigation to the menu drawn, cold (${loads} loads): median ${ms(median(loadTimes))}, ` +
            `all ${loadTimes.map((t) => t.toFixed(0)).join(" ")} ms (goal: median under 1500 ms)`);
console.log(`opening frmSort (4 sorts of 1000, 4 lists) to its first frame (10 runs): median ${ms(median(openTimes))}, ` +
            `longest ${ms(Math.max(...openTimes))} (goal: under 100 ms)`);
console.log(`step view at the fastest speed (Bubble, 10,000 steps a frame), main thread's work per frame ` +
            `(${frames.length} frames): median ${ms(median(frames))}, p90 ${ms(percentile(frames, 0.9))}, p99 ${ms(percentile(frames, 0.99))}, ` +
            `the first ${ms(first)} (goal: p99 under 16.7 ms); ${(frames.length / span).toFixed(1)} frames a second shown`);
