// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A long lesson in the page: random user actions through real mouse and
// keyboard input in headless Chromium (windows opened and closed, step views
// opened, run, stepped and stopped, exercises, the zoom, copies, clicks
// anywhere in a window, Enter and Escape). At the end: no error on the
// console, the menu still answers, and the WebAssembly memory within 20 % of
// where it stood after the first 200 actions. SOAK_ACTIONS sets the length
// (300 by default, what CI runs; 2000 for a lesson), SOAK_SEED the draw.
//
//   node --experimental-websocket soak_test.mjs SITE
import { checks, openBrowser, serve, sleep } from "./page_driver.mjs";

const [site] = process.argv.slice(2);
const actions = Number(process.env.SOAK_ACTIONS) || 300;
let seed = Number(process.env.SOAK_SEED) || 20261211;
const random = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
const pick = (list) => list[Math.floor(random() * list.length)];

const { check, failures } = checks();
const host = await serve(site);
const page = await openBrowser(host.origin);
const { evaluate, where, waitFor, click, key } = page;
setTimeout(async () => {
    console.error("FAIL the soak ran out of time");
    await page.close();
    process.exit(1);
}, 60000 + actions * 1500);

const windows = ["frmRicBin", "frmABR", "frmSort", "frmPassoSort", "frmPassoRicBin", "frmPassoABR",
                 "frmPassoFattoriale", "frmGrafico", "frmGuida", "frmRegistro"];
const lists = { frmRicBin: "lstV", frmABR: "lstX", frmSort: "lstSort" };
const memory = () => evaluate(`qtLoader.module().HEAP8.buffer.byteLength`);
const shown = async () => {
    const open = [];
    for (const w of windows)
        if (await where(w))
            open.push(w);
    return open;
};
const inside = async (name, fn) => {
    const r = await where(name);
    if (r)
        await fn(r);
};
const mouse = (type, x, y, extra = {}) => page.send("Input.dispatchMouseEvent", { type, x, y, ...extra });
const tap = async (x, y) => {
    await mouse("mouseMoved", x, y);
    await mouse("mousePressed", x, y, { button: "left", clickCount: 1, buttons: 1 });
    await mouse("mouseReleased", x, y, { button: "left", clickCount: 1 });
};

const counts = new Map();
const kinds = {
    async open() {
        await click(`frm_Quimbra/${pick(["cmdRicBin", "cmdABR", "cmdSort"])}`);
    },
    async stepView(open) {
        const w = pick(open.filter((n) => lists[n]));
        if (!w)
            return this.open();
        await click(`${w}/${lists[w]}`, "left", { dx: w === "frmSort" ? pick([-130, -40, 40, 130]) : 0 });
        await key(pick(["F2", "F3"]), pick(["F2", "F3"]), pick([113, 114]));
    },
    async player(open) {
        const w = pick(open.filter((n) => n.startsWith("frmPasso")));
        if (!w)
            return this.stepView(open);
        await click(`${w}/${pick(["cmdAvvia", "cmdPasso", "cmdPasso", "cmdTutto", "cmdIndietro", "cmdEsercizio",
                                  "chkDomande"])}`).catch(() => {});
    },
    async anywhere(open) {
        const w = pick(open);
        if (w)
            await inside(w, (r) => tap(r.x + random() * r.width, r.y + random() * r.height));
    },
    async zoom() {
        const [name, code, keyCode] = pick([["=", "Equal", 187], ["-", "Minus", 189], ["0", "Digit0", 48]]);
        await key(name, code, keyCode, { modifiers: 2 });
    },
    async copy(open) {
        const w = pick(open.filter((n) => lists[n]));
        if (w)
            await click(`${w}/${lists[w]}`);
        await key("c", "KeyC", 67, { modifiers: 2 });
    },
    // Into a window other than the menu, whose Enter on "Fine" would end the
    // program: its title bar is tapped first.
    async enterOrEscape(open) {
        const w = pick(open);
        if (!w)
            return;
        await inside(w, (r) => tap(r.x + 40, r.y - 10));
        await key(...pick([["Enter", "Enter", 13], ["Escape", "Escape", 27]]));
    },
    async close(open) {
        const w = pick(open);
        if (w)
            await click(`${w}/cmdFine`).catch(() => key("Escape", "Escape", 27));
    },
};
const weights = [["open", 3], ["stepView", 3], ["player", 6], ["anywhere", 4], ["zoom", 2], ["copy", 1],
                 ["enterOrEscape", 2], ["close", 3]];
const drawKind = () => {
    let r = random() * weights.reduce((s, [, w]) => s + w, 0);
    for (const [kind, w] of weights)
        if ((r -= w) < 0)
            return kind;
    return "open";
};

try {
    await page.send("Page.navigate", { url: host.origin + "/" });
    check(await waitFor("frm_Quimbra", 60000) !== null, "the main menu appears");
    let after200 = 0;
    const curve = [];
    for (let i = 1; i <= actions; ++i) {
        const open = await shown();
        // Too many windows make every click slow to find its target: close one.
        const kind = open.length > 5 ? "close" : drawKind();
        counts.set(kind, (counts.get(kind) || 0) + 1);
        await kinds[kind](open);
        await sleep(20);
        if (!(await where("frm_Quimbra"))) {
            check(false, `the menu is gone after action ${i} (${kind})`);
            break;
        }
        if (i === Math.min(200, actions))
            after200 = await memory();
        if (i % 100 === 0 || i === actions)
            curve.push(`${i}: ${((await memory()) / 1048576).toFixed(1)} MB`);
    }
    const end = await memory();
    console.log(`     ${actions} actions (${[...counts].map(([k, n]) => `${k} ${n}`).join(", ")})`);
    console.log(`     WebAssembly memory: ${curve.join(", ")}`);
    check(end <= after200 * 1.2, `the memory at the end (${(end / 1048576).toFixed(1)} MB) is within 20 % ` +
          `of that after 200 actions (${(after200 / 1048576).toFixed(1)} MB)`);
    check(await where("frm_Quimbra/cmdFine") !== null, "the menu still answers");
    check(page.errors.length === 0, `no error on the console${page.errors.length ? ": " + page.errors.join(" | ") : ""}`);
} catch (error) {
    check(false, `the soak went through (${error.message})`);
}
console.log(failures.length ? `${failures.length} check(s) failed` : "all soak checks passed");
await page.close();
host.close();
process.exit(failures.length ? 1 : 0);
