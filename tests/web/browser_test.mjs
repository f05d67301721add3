// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The web page as a student meets it, in headless Chromium with real mouse
// and keyboard input (page_driver.mjs): the menu, the three windows opened
// and moved, a search, a list copied to the browser's clipboard, the
// factorial's warning box, and "Fine"; then a link that opens a step view on
// its values, and one that gets a value wrong; no console error, no request
// that leaves the page's origin. Screenshots for the README go to SCREENSHOT_DIR.
//
//   node --experimental-websocket browser_test.mjs SITE [SCREENSHOT_DIR]
import { existsSync } from "node:fs";
import { join } from "node:path";
import { checks, openBrowser, serve, sleep } from "./page_driver.mjs";

const [site, shots] = process.argv.slice(2);
if (!site || !existsSync(join(site, "index.html"))) {
    console.error("usage: browser_test.mjs SITE [SCREENSHOT_DIR] (no index.html in SITE)");
    process.exit(2);
}

const { check, failures } = checks();

const host = await serve(site);
const origin = host.origin;
const page = await openBrowser(origin);
const { evaluate, where, waitFor, gone, click, drag, key, type, selectAllIn, framed, text } = page;
const screenshot = (file, rect) => page.screenshot(shots && file ? join(shots, file) : null, rect);
setTimeout(async () => {
    console.error("FAIL the browser test ran out of time");
    await page.close();
    process.exit(1);
}, 360000);

// ---- the run
try {
    const started = Date.now();
    await page.send("Page.navigate", { url: origin + "/" });
    const menu = await waitFor("frm_Quimbra", 60000);
    check(menu !== null, "the main menu appears");
    if (!menu)
        throw new Error("no menu");
    console.log(`     the menu was shown ${Date.now() - started} ms after the page was opened`);
    check(await evaluate(`document.title`) === "Quimbra", "the page's title is \"Quimbra\"");
    await sleep(300);
    // A drawn window does not compress like an empty area of its size.
    const menuPicture = await screenshot("web-menu.png", framed(menu));
    check(menuPicture.length > 4000, `the menu is drawn (${menuPicture.length} bytes of PNG)`);

    // Each window opens centred, over the menu as on the desktop, and is
    // dragged by its title bar to a place of its own.
    for (const [button, window, x, y] of [["cmdSort", "frmSort", 1080, 60], ["cmdABR", "frmABR", 1070, 620],
                                          ["cmdRicBin", "frmRicBin", 20, 60]]) {
        await click(`frm_Quimbra/${button}`);
        check(await waitFor(window, 10000) !== null, `${button} opens ${window}`);
        const moved = await drag(window, x, y);
        check(Math.abs(moved.x - x) <= 2 && Math.abs(moved.y - y) <= 2,
              `${window} moves by its title bar (to ${moved.x},${moved.y})`);
    }

    // A finger drags a window by its title bar too.
    {
        const from = await where("frmABR");
        const grip = { x: from.x + 60, y: from.y - 10 };
        const to = { x: from.x - 40, y: from.y - 30 };
        await page.send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: [{ ...grip, id: 1 }] });
        for (let i = 1; i <= 10; ++i)
            await page.send("Input.dispatchTouchEvent", { type: "touchMove", touchPoints: [{
                x: grip.x + (to.x - from.x) * i / 10, y: grip.y + (to.y - from.y) * i / 10, id: 1 }] });
        await page.send("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] });
        let moved = from;
        for (let i = 0; i < 40 && Math.abs(moved.x - to.x) > 2; ++i, await sleep(50))
            moved = await where("frmABR");
        check(Math.abs(moved.x - to.x) <= 2 && Math.abs(moved.y - to.y) <= 2,
              `a finger drags frmABR by its title bar (to ${moved.x},${moved.y})`);
    }

    // The binary search: a key typed and "Ricerca" pressed.
    await selectAllIn("frmRicBin/txtX");
    await type("500");
    await click("frmRicBin/cmdRicBin");
    await screenshot("web-ricbin.png", framed(await where("frmRicBin")));

    // "Copia tutto" on the vector's list, and the clipboard read back.
    await click("frmRicBin/lstV", "right");
    const entry = await waitFor("QMenu/actCopiaTutto", 5000);
    check(entry !== null, "the vector list's menu offers \"Copia tutto\"");
    if (entry) {
        await click("QMenu/actCopiaTutto");
        let lines = [];
        for (let i = 0; i < 50 && lines.length < 1000; ++i, await sleep(100))
            lines = (await evaluate(`navigator.clipboard.readText()`)).replace(/\r/g, "").split("\n");
        let inFormat = lines.length === 1000;
        let sorted = true;
        let previous = -Infinity;
        lines.forEach((line, i) => {
            const match = /^( *\d+) - ( *\d+)$/.exec(line);
            if (!match || line.length !== 12 || Number(match[1]) !== i + 1)
                inFormat = false;
            const value = match ? Number(match[2]) : NaN;
            if (!(value >= previous))
                sorted = false;
            previous = value;
        });
        check(inFormat, `the clipboard holds 1000 lines "   i -     V(i)" (${lines.length} lines)`);
        check(sorted, "the copied values are sorted");
    }

    // A finger held on the list opens the same menu, as on a tablet.
    const vector = await where("frmRicBin/lstV");
    const finger = { x: vector.x + vector.width / 2, y: vector.y + vector.height / 3, id: 1 };
    await page.send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: [finger] });
    await sleep(900);
    const held = await waitFor("QMenu/actCopiaTutto", 3000);
    await page.send("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] });
    check(held !== null, "a finger held on the vector list opens its menu");
    if (held) {
        await key("Escape", "Escape", 27);
        check(await gone("QMenu"), "Escape closes it");
    }

    // 13 typed for the factorial: the warning box, closed with Enter.
    await selectAllIn("frmRicBin/txtFatt");
    await type("13");
    await click("frmRicBin/cmdFattoriale");
    const box = await waitFor("QMessageBox", 5000);
    check(box !== null, "13! gives the warning box");
    await sleep(600); // a student reads it first: the box takes the keyboard meanwhile
    await key("Enter", "Enter", 13, { text: "\r" });
    check(await gone("QMessageBox"), "Enter closes the warning box");
    // The keyboard is back on "Fattoriale", as on the desktop: Enter presses it again.
    await key("Enter", "Enter", 13, { text: "\r" });
    check(await waitFor("QMessageBox", 5000) !== null, "the focus is back on \"Fattoriale\": Enter asks again");
    await sleep(600);
    await key("Enter", "Enter", 13, { text: "\r" });
    check(await gone("QMessageBox"), "and Enter closes the box again");

    // Bubble's step view on the sorting window's 1000 values, run to its end
    // (over half a million events, replayed in chunks) and one step back:
    // the program is still there, and "Fine" closes the view.
    await click("frmSort/lstSort", "left", { dx: 88 }); // the next column's list
    await key("F2", "F2", 113);
    check(await waitFor("frmPassoSort", 5000) !== null, "F2 on Bubble's list opens its step view");
    await click("frmPassoSort/cmdTutto");
    await sleep(300);
    const alive = await where("frmPassoSort/cmdTutto");
    await key("ArrowLeft", "ArrowLeft", 37);
    await click("frmPassoSort/cmdFine");
    check(alive !== null && await gone("frmPassoSort"),
          "the step view plays Bubble's whole run (over half a million events) to the end and back, and \"Fine\" closes it");

    // The page's "?", outside the program's canvas, opens the help.
    const help = JSON.parse(await evaluate(
        `JSON.stringify(document.getElementById("quimbra-help").getBoundingClientRect())`));
    for (const type of ["mouseMoved", "mousePressed", "mouseReleased"])
        await page.send("Input.dispatchMouseEvent", {
            type, x: help.x + help.width / 2, y: help.y + help.height / 2, button: "left",
            clickCount: 1, buttons: type === "mousePressed" ? 1 : 0 });
    check(await waitFor("frmGuida", 5000) !== null, "the page's \"?\" opens the help");
    await click("frmGuida/cmdFine");
    check(await gone("frmGuida"), "\"Fine\" closes the help");

    // Two fingers spread over the menu zoom the program a step, pinched
    // back they return it to its size.
    const before = await where("frm_Quimbra");
    const pinch = async (from, to) => {
        const cx = before.x + before.width / 2, cy = before.y + before.height / 2;
        const points = (d) => [{ x: cx - d / 2, y: cy, id: 1 }, { x: cx + d / 2, y: cy, id: 2 }];
        await page.send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: points(from) });
        for (let i = 1; i <= 5; ++i)
            await page.send("Input.dispatchTouchEvent",
                            { type: "touchMove", touchPoints: points(from + (to - from) * i / 5) });
        await page.send("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] });
        await sleep(300);
    };
    await pinch(60, 100);
    const spread = await where("frm_Quimbra");
    await pinch(100, 60);
    const pinched = await where("frm_Quimbra");
    check(spread && pinched && spread.width > before.width && pinched.width === before.width,
          `two fingers zoom the menu in and back (${before.width} → ${spread && spread.width} → ${pinched && pinched.width} px)`);

    // "Fine" of the menu ends the program, and the page says so.
    await click("frm_Quimbra/cmdFine");
    let ended = "";
    for (let i = 0; i < 100 && !ended.includes("terminato"); ++i, await sleep(50))
        ended = await evaluate(`document.getElementById("quimbra-message").hidden ? "" :
                                document.getElementById("quimbra-message").innerText`);
    check(/Quimbra è terminato\./.test(ended) && /Ricomincia/.test(ended),
          `"Fine" ends the program and the page says so (${JSON.stringify(ended)})`);

    // A link with a step view and its values: the sorting window opens with
    // Merge's step view on them, and the view copies them and its own link.
    const clipboard = async (before) => {
        let copied = before;
        for (let i = 0; i < 50 && copied === before; ++i, await sleep(100))
            copied = await evaluate(`navigator.clipboard.readText()`);
        return copied;
    };
    const link = "/?passo=sort&algoritmo=Merge&dati=7,3,9,1,4";
    await page.send("Page.navigate", { url: origin + link });
    const linked = await waitFor("frmPassoSort", 60000);
    check(linked !== null, `${link} opens the sorts' step view`);
    if (linked)
        await screenshot("web-link.png", framed(linked));
    await evaluate(`navigator.clipboard.writeText("")`);
    await click("frmPassoSort/cmdCopiaDati");
    const values = await clipboard("");
    check(values === "7, 3, 9, 1, 4", `"Copia dati" copies the link's values (${JSON.stringify(values)})`);
    await click("frmPassoSort/cmdCopiaLink");
    const copiedLink = await clipboard(values);
    check(copiedLink === origin + link, `"Copia collegamento" copies the view's link (${JSON.stringify(copiedLink)})`);

    // A link that gets a value wrong: the search's step view says so beside
    // its box and searches the window's vector, the menu still there.
    const wrong = "/?passo=ricbin&dati=4,8,x,16&chiave=25";
    await page.send("Page.navigate", { url: origin + wrong });
    check(await waitFor("frmPassoRicBin", 60000) !== null, `${wrong} opens the search's step view`);
    const said = await text("frmPassoRicBin/lblAvvisoDati");
    check(said === "«x» (il 3º valore) non è un numero intero", `the wrong value is refused (${JSON.stringify(said)})`);
    check(await text("frmPassoRicBin/txtX") === "25", "the link's number is the one searched");
    check(await where("frm_Quimbra/cmdFine") !== null, "the menu is there as always");

    // Small screens: a 1366 × 768 laptop and a 768 × 1024 tablet in portrait
    // show the menu and each window whole, a window that would not fit
    // opened at the zoom that fits.
    for (const [width, height] of [[1366, 768], [768, 1024]]) {
        const small = await openBrowser(origin, { width, height });
        try {
            await small.send("Page.navigate", { url: origin + "/" });
            const whole = async (name) => {
                const r = await small.waitFor(name, 60000);
                if (!r)
                    return `${name} not shown`;
                const f = small.framed(r);
                const c = await small.evaluate(`(() => { const c = document.getElementById("quimbra-canvas")
                    .getBoundingClientRect(); return [c.left, c.top, c.right, c.bottom]; })()`);
                const inside = f.x >= c[0] - 1 && f.y >= c[1] - 1 && f.x + f.width <= c[2] + 1 && f.y + f.height <= c[3] + 1;
                return `${name} ${inside ? "whole" : "cut"} (${f.width} × ${f.height} at ${f.x},${f.y})`;
            };
            const said = await whole("frm_Quimbra");
            check(said.includes("whole"), `${width} × ${height}: ${said}`);
            for (const [button, window] of [["cmdRicBin", "frmRicBin"], ["cmdABR", "frmABR"], ["cmdSort", "frmSort"]]) {
                await small.click(`frm_Quimbra/${button}`);
                const shown = await whole(window);
                check(shown.includes("whole"), `${width} × ${height}: ${shown}`);
                await small.click(`${window}/cmdFine`);
                await small.gone(window);
            }
            await small.send("Page.navigate", { url: origin + "/?passo=sort&algoritmo=Merge" });
            const view = await whole("frmPassoSort");
            check(view.includes("whole"), `${width} × ${height}: ${view}`);
            check(small.errors.length === 0, `${width} × ${height}: no error on the console ${small.errors.join(" | ")}`);
        } finally {
            await small.close();
        }
    }

    const { errors, foreign } = page;
    check(errors.length === 0, `no error on the console${errors.length ? ": " + errors.join(" | ") : ""}`);
    check(foreign.length === 0, `no request outside ${origin}${foreign.length ? ": " + foreign.join(" ") : ""}`);
    console.log(`     files served: ${[...new Set(host.served)].join(" ")}`);
} catch (error) {
    check(false, `the run went through (${error.message})`);
}
console.log(failures.length ? `${failures.length} check(s) failed` : "all browser checks passed");
await page.close();
host.close();
process.exit(failures.length ? 1 : 0);
