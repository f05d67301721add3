// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The SCORM package as a learning platform plays it: its manifest read, its
// page opened in a frame of a host page that provides the SCORM 1.2 API of
// scorm-again (from npm, as platforms embed it), with a launch address that
// names an exercise. The exercise is played to its end with real keys, a
// second one given up, and "Fine" pressed; the test reads back every call the
// platform received and the values it keeps.
//
//   node --experimental-websocket scorm_test.mjs PACKAGE.zip SCORM_AGAIN_DIR
import { execFileSync } from "node:child_process";
import { copyFileSync, existsSync, mkdtempSync, readFileSync, readdirSync, rmSync, statSync, writeFileSync }
    from "node:fs";
import { tmpdir } from "node:os";
import { join, relative } from "node:path";
import { checks, openBrowser, serve, sleep } from "./page_driver.mjs";

const [zip, library] = process.argv.slice(2);
const runtime = library && join(library, "dist", "scorm12.min.js");
if (!zip || !existsSync(zip) || !existsSync(runtime)) {
    console.error("usage: scorm_test.mjs PACKAGE.zip SCORM_AGAIN_DIR");
    process.exit(2);
}

const { check, failures } = checks();

// The platform's side: the package unpacked, the runtime and the host page.
const root = mkdtempSync(join(tmpdir(), "quimbra-scorm-"));
const unpacked = join(root, "pkg");
execFileSync("python3", ["-m", "zipfile", "-e", zip, unpacked]);
copyFileSync(runtime, join(root, "scorm12.min.js"));

const manifest = readFileSync(join(unpacked, "imsmanifest.xml"), "utf8");
const listed = [...manifest.matchAll(/<file href="([^"]+)"\/>/g)].map((m) => m[1]).sort();
const files = (function walk(dir) {
    return readdirSync(dir).flatMap((name) => {
        const path = join(dir, name);
        return statSync(path).isDirectory() ? walk(path) : [relative(unpacked, path)];
    });
})(unpacked).filter((file) => file !== "imsmanifest.xml").sort();
check(/<schemaversion>1\.2<\/schemaversion>/.test(manifest), "the manifest is SCORM 1.2");
check((manifest.match(/adlcp:scormtype="sco"/g) || []).length === 1 &&
      /adlcp:scormtype="sco" href="index.html"/.test(manifest), "one SCO, launched at index.html");
check(JSON.stringify(listed) === JSON.stringify(files),
      `the manifest lists every file of the package (${files.length} files)`);
console.log(`     the package: ${Math.round(statSync(zip).size / 1024)} KB`);

const launch = "pkg/index.html?esercizio=12345&passo=ricbin";
writeFileSync(join(root, "host.html"), `<!DOCTYPE html>
<html lang="it"><head><meta charset="utf-8"><title>Piattaforma</title><link rel="icon" href="data:,">
<style>html, body { margin: 0; height: 100%; overflow: hidden; }
iframe { display: block; border: 0; width: 100%; height: 100%; }</style>
<script src="scorm12.min.js"></script>
<script>
  // Every call the activity makes, with the error code the runtime gave it.
  window.received = [];
  const api = new Scorm12API({ logLevel: 4 });
  for (const name of ["LMSInitialize", "LMSGetValue", "LMSSetValue", "LMSCommit", "LMSFinish"]) {
    const real = api[name].bind(api);
    api[name] = (...args) => {
      const answer = real(...args);
      received.push({ call: name, args: args.map(String), answer: String(answer),
                      error: String(api.LMSGetLastError()) });
      return answer;
    };
  }
  window.API = api;
</script></head>
<body><iframe id="activity" src="${launch}"></iframe></body></html>
`);

const host = await serve(root);
const page = await openBrowser(host.origin);
const { evaluate, waitFor, gone, click, key, text } = page;
setTimeout(async () => {
    console.error("FAIL the SCORM test ran out of time");
    await page.close();
    process.exit(1);
}, 240000);

const received = () => evaluate(`JSON.stringify(window.received)`).then(JSON.parse);
const sets = (calls) => Object.fromEntries(calls.filter((c) => c.call === "LMSSetValue").map((c) => c.args));

try {
    await page.send("Page.navigate", { url: host.origin + "/host.html" });
    page.useFrame("activity");
    const view = await waitFor("frmPassoRicBin", 60000);
    check(view !== null, `the launch address ${launch} opens the search's step view`);
    if (!view)
        throw new Error("no step view");
    check(await text("frmPassoRicBin/lblEsercizio") === "Esercizio n. 12345 · Ricerca binaria",
          "with exercise 12345 started");
    let calls = await received();
    check(calls.length > 0 && calls[0].call === "LMSInitialize" && calls[0].answer === "true",
          "the page found the platform's API and initialised the session");
    check(sets(calls)["cmi.core.lesson_status"] === "incomplete", "the lesson is \"incomplete\" while it runs");

    // The student's answers, worked out from the values and the key the
    // view shows: a binary search, position by position, chosen with the
    // arrows and Space; "Non c'è" when the key is missing.
    await evaluate(`navigator.clipboard.writeText("")`);
    await click("frmPassoRicBin/cmdCopiaDati");
    let copied = "";
    for (let i = 0; i < 50 && !copied; ++i, await sleep(100))
        copied = await evaluate(`navigator.clipboard.readText()`);
    const values = copied.split(", ").map(Number);
    const wanted = Number(await text("frmPassoRicBin/txtX"));
    check(values.length === 15 && Number.isInteger(wanted), `15 values and a key (${wanted}) to search`);
    await click("frmPassoRicBin/lblEsercizio"); // the keyboard to the frame, the canvas keeps the focus
    await key("Home", "Home", 36);
    let cursor = 1, low = 1, high = values.length, found = false;
    while (low <= high && !found) {
        const middle = Math.floor((low + high) / 2);
        for (; cursor < middle; ++cursor)
            await key("ArrowRight", "ArrowRight", 39);
        for (; cursor > middle; --cursor)
            await key("ArrowLeft", "ArrowLeft", 37);
        await key(" ", "Space", 32, { text: " " });
        await sleep(150);
        if (values[middle - 1] === wanted)
            found = true;
        else if (wanted < values[middle - 1])
            high = middle - 1;
        else
            low = middle + 1;
    }
    if (!found)
        await click("frmPassoRicBin/cmdNonCe");
    await sleep(300);
    const line = await text("frmPassoRicBin/lblPunteggio");
    check(/^Esercizio n\. 12345 · Ricerca binaria · \d+ pass[oi] · 0 errori · 100 % · controllo [0-9A-Z]{5}$/.test(line),
          `the exercise is answered right to its end (${JSON.stringify(line)})`);
    calls = await received();
    let values1 = sets(calls);
    check(values1["cmi.core.score.raw"] === "100" && values1["cmi.core.score.min"] === "0" &&
          values1["cmi.core.score.max"] === "100", "the platform received the score 100 of 0…100");
    check(values1["cmi.core.lesson_status"] === "passed", "and \"passed\"");
    check(/^\d{2,4}:\d{2}:\d{2}(\.\d{1,2})?$/.test(values1["cmi.core.session_time"] || ""),
          `and the session's time (${values1["cmi.core.session_time"]})`);
    check(values1["cmi.suspend_data"] === line, "and the result line in suspend_data");
    check(calls.some((c) => c.call === "LMSCommit" && c.answer === "true"), "and the values were committed");

    // A second exercise, given up at once: 0 %, "failed", both lines kept.
    await click("frmPassoRicBin/cmdEsercizio");
    await sleep(300);
    await click("frmPassoRicBin/cmdSoluzione");
    await sleep(300);
    const second = await text("frmPassoRicBin/lblPunteggio");
    calls = await received();
    values1 = sets(calls);
    check(/soluzione mostrata dopo 0 passi · 0 %/.test(second) && values1["cmi.core.score.raw"] === "0" &&
          values1["cmi.core.lesson_status"] === "failed", `a given-up exercise reports 0 and "failed"`);
    check(values1["cmi.suspend_data"] === `${line}\n${second}`, "suspend_data keeps both result lines");

    // "Fine" of the view and of the menu: the session ends, once.
    await click("frmPassoRicBin/cmdFine");
    await gone("frmPassoRicBin");
    await click("frmRicBin/cmdFine");
    await gone("frmRicBin");
    await click("frm_Quimbra/cmdFine");
    for (let i = 0; i < 50 && !(await received()).some((c) => c.call === "LMSFinish"); ++i)
        await sleep(100);
    calls = await received();
    const finishes = calls.filter((c) => c.call === "LMSFinish");
    check(finishes.length === 1 && finishes[0].answer === "true", "\"Fine\" ends the platform's session (LMSFinish)");
    const wrong = calls.filter((c) => c.error !== "0");
    check(wrong.length === 0, `the runtime accepted every call${wrong.length ? ": " + JSON.stringify(wrong) : ""}`);
    const cmi = JSON.parse(await evaluate(`JSON.stringify({ raw: API.cmi.core.score.raw,
        status: API.cmi.core.lesson_status, suspend: API.cmi.suspend_data })`));
    check(cmi.raw === "0" && cmi.status === "failed" && cmi.suspend === `${line}\n${second}`,
          "the platform keeps the last score, its status and both lines");
    console.log(`     received: ${calls.map((c) => c.call + (c.args.length ? "(" + c.args.join(", ") + ")" : "")).join(" ")}`);

    const { errors, foreign } = page;
    check(errors.length === 0, `no error on the console${errors.length ? ": " + errors.join(" | ") : ""}`);
    check(foreign.length === 0, `no request outside ${host.origin}${foreign.length ? ": " + foreign.join(" ") : ""}`);
} catch (error) {
    check(false, `the run went through (${error.message})`);
}
console.log(failures.length ? `${failures.length} check(s) failed` : "all SCORM checks passed");
await page.close();
host.close();
rmSync(root, { recursive: true, force: true });
process.exit(failures.length ? 1 : 0);
