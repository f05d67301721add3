// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Where the page's main thread spends its time in one of web_bench.mjs's
// scenes: Chromium's tracing through the DevTools protocol, with V8's
// sampling profiler. The scene "run" (the default) is 3 s of the step view of
// Bubble at its fastest speed; "opening" is ten openings of the sorting
// window from the menu, each closed with its "Fine". Prints the renderer's
// main thread by kind of task, and the functions with the most time of their
// own (the wasm's names come with a page built with QUIMBRA_WEB_PROFILE=ON:
// make web-profile).
//
//   node --experimental-websocket web_profile.mjs SITE [TRACE.json] [run|opening]
import { writeFileSync } from "node:fs";
import { openBrowser, serve, sleep } from "../tests/web/page_driver.mjs";

const [site, traceFile, scene = "run"] = process.argv.slice(2);
const host = await serve(site);
const page = await openBrowser(host.origin);
await page.send("Page.navigate", { url: `${host.origin}/` });
await page.waitFor("frm_Quimbra/cmdSort");
if (scene === "run") {
    await page.click("frm_Quimbra/cmdSort");
    await page.waitFor("frmSort/lstSort");
    await page.click("frmSort/lstSort", "left", { dx: 88 });
    await page.key("F2", "F2", 113);
    await page.waitFor("frmPassoSort");
    await page.click("frmPassoSort/sldVelocita");
    await page.key("End", "End", 35);
} else {
    // The first opening, and its warm-up, stay out of the trace.
    await sleep(500);
    await page.click("frm_Quimbra/cmdSort");
    await page.waitFor("frmSort/lstSort");
    await page.click("frmSort/cmdFine");
    await page.gone("frmSort");
}

const events = [];
page.on("Tracing.dataCollected", ({ value }) => events.push(...value));
const complete = new Promise((resolve) => page.on("Tracing.tracingComplete", resolve));
await page.send("Tracing.start", {
    transferMode: "ReportEvents",
    traceConfig: { includedCategories: ["toplevel", "devtools.timeline", "v8.execute", "blink", "cc", "gpu",
                                        "disabled-by-default-devtools.timeline",
                                        "disabled-by-default-v8.cpu_profiler"] },
});
if (scene === "run") {
    await page.click("frmPassoSort/cmdAvvia");
    await sleep(3000);
} else {
    for (let i = 0; i < 10; ++i) {
        await page.click("frm_Quimbra/cmdSort");
        await page.waitFor("frmSort/lstSort");
        await sleep(100);
        await page.click("frmSort/cmdFine");
        await page.gone("frmSort");
    }
}
await page.send("Tracing.end");
await complete;
await page.close();
host.close();
if (traceFile)
    writeFileSync(traceFile, JSON.stringify({ traceEvents: events }));

// The renderer's main thread: the thread named CrRendererMain of the page's
// process (the one with the profile's samples).
const names = new Map(events.filter((e) => e.name === "thread_name")
                            .map((e) => [`${e.pid}:${e.tid}`, e.args.name]));
const profiled = events.find((e) => e.name === "ProfileChunk" && e.args?.data?.cpuProfile?.samples?.length);
const main = [...names].find(([key, name]) => name === "CrRendererMain" && key.startsWith(`${profiled.pid}:`))[0];
const onMain = events.filter((e) => `${e.pid}:${e.tid}` === main);
const start = Math.min(...onMain.filter((e) => e.ts).map((e) => e.ts));
const end = Math.max(...onMain.filter((e) => e.ts).map((e) => e.ts + (e.dur || 0)));
const span = (end - start) / 1000;

// Top-level tasks, and what the timeline says they were.
const byKind = new Map();
const add = (map, key, us) => map.set(key, (map.get(key) || 0) + us);
for (const e of onMain)
    if (e.ph === "X" && e.dur && ["RunTask", "ThreadControllerImpl::RunTask"].includes(e.name))
        add(byKind, "all tasks", e.dur);
for (const e of onMain)
    if (e.ph === "X" && e.dur && ["FunctionCall", "TimerFire", "FireAnimationFrame", "Paint", "Layout",
                                  "UpdateLayoutTree", "PrePaint", "Layerize", "MinorGC", "MajorGC",
                                  "V8.GC_SCAVENGER", "EventDispatch", "CompositeLayers",
                                  "BeginMainThreadFrame", "HitTest"].includes(e.name))
        add(byKind, e.name, e.dur);

// The samples: time of their own by function.
const nodes = new Map();
const self = new Map();
let sampled = 0;
for (const e of events.filter((e) => e.name === "ProfileChunk" && e.pid === profiled.pid)) {
    const data = e.args.data;
    for (const node of data.cpuProfile?.nodes || [])
        nodes.set(node.id, node);
    const samples = data.cpuProfile?.samples || [];
    const deltas = data.timeDeltas || [];
    samples.forEach((id, i) => {
        const node = nodes.get(id);
        const fn = node?.callFrame?.functionName || "(anonymous)";
        const us = Math.max(0, deltas[i + 1] ?? deltas[i] ?? 0);
        add(self, fn, us);
        sampled += us;
    });
}
const table = (map, total, rows) => [...map].sort((a, b) => b[1] - a[1]).slice(0, rows)
    .map(([k, us]) => `  ${(us / 1000).toFixed(1).padStart(8)} ms ${(100 * us / total).toFixed(1).padStart(5)} %  ${k}`)
    .join("\n");
console.log(`main thread over ${span.toFixed(0)} ms of the scene (${scene}):`);
console.log(table(byKind, span * 1000, 20));
const idle = ["(idle)", "(program)", "(garbage collector)"];
const busy = sampled - idle.reduce((s, k) => s + (self.get(k) || 0), 0);
console.log(`\nsampled ${(sampled / 1000).toFixed(0)} ms, busy ${(busy / 1000).toFixed(0)} ms; ` +
            "time of their own, share of the busy time:");
console.log(table(self, busy, 40));
