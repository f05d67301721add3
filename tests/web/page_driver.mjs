// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The web page served from 127.0.0.1 and opened in headless Chromium, driven
// through the DevTools protocol with real mouse and keyboard events (Node.js's
// own WebSocket, nothing from npm). Controls are found on the canvas by name
// through the program's Module.controlRect(); everything else is input.
// Used by the browser test and the browser benchmark.
import { spawn } from "node:child_process";
import { createServer } from "node:http";
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { extname, join, normalize } from "node:path";

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A test's checks: each printed as it is made, the failed ones kept.
export function checks() {
    const failures = [];
    const check = (ok, what) => {
        console.log(`${ok ? "ok  " : "FAIL"} ${what}`);
        if (!ok)
            failures.push(what);
    };
    return { check, failures };
}

// The page's static host, which also lists what the page asked for.
export async function serve(site) {
    const types = { ".html": "text/html; charset=utf-8", ".js": "text/javascript",
                    ".wasm": "application/wasm", ".ico": "image/x-icon",
                    ".webmanifest": "application/manifest+json", ".txt": "text/plain; charset=utf-8" };
    const served = [];
    const server = createServer((request, response) => {
        const path = new URL(request.url, "http://x").pathname;
        const file = normalize(join(site, path === "/" ? "index.html" : path));
        served.push(path);
        if (!file.startsWith(normalize(site)) || !existsSync(file)) {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, { "Content-Type": types[extname(file)] || "application/octet-stream" });
        response.end(readFileSync(file));
    });
    await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
    return { origin: `http://127.0.0.1:${server.address().port}`, served, close: () => server.close() };
}

// Chromium with one page, and what the page reports: errors on its console
// and requests that leave the origin.
export async function openBrowser(origin, { width = 1800, height = 1100 } = {}) {
    const profile = mkdtempSync(join(tmpdir(), "quimbra-chromium-"));
    const chromium = spawn(process.env.CHROMIUM || "chromium", [
        "--headless=new", "--no-sandbox", "--no-first-run", "--disable-quic",
        "--disable-background-networking", "--disable-component-update", "--disable-sync",
        "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
        `--window-size=${width},${height}`, "--remote-debugging-port=0", `--user-data-dir=${profile}`,
        "about:blank"], { stdio: "ignore" });
    const portFile = join(profile, "DevToolsActivePort");
    for (let i = 0; i < 300 && !existsSync(portFile); ++i)
        await sleep(100);
    const [port, path] = readFileSync(portFile, "utf8").split("\n");
    const ws = new WebSocket(`ws://127.0.0.1:${port}${path}`);
    await new Promise((resolve, reject) => { ws.onopen = resolve; ws.onerror = reject; });

    let nextId = 1;
    let sessionId;
    const pending = new Map();
    const errors = [];
    const foreign = [];
    const listeners = new Map();
    ws.onmessage = (message) => {
        const data = JSON.parse(message.data);
        if (data.method && listeners.has(data.method))
            listeners.get(data.method)(data.params);
        if (data.id && pending.has(data.id)) {
            const { resolve, reject } = pending.get(data.id);
            pending.delete(data.id);
            data.error ? reject(new Error(JSON.stringify(data.error))) : resolve(data.result);
            return;
        }
        const params = data.params;
        if (data.method === "Runtime.exceptionThrown")
            errors.push(params.exceptionDetails.exception?.description || params.exceptionDetails.text);
        if (data.method === "Runtime.consoleAPICalled" && params.type === "error")
            errors.push(params.args.map((a) => a.value ?? a.description).join(" "));
        if (data.method === "Log.entryAdded" && params.entry.level === "error")
            errors.push(`${params.entry.text} ${params.entry.url || ""}`);
        if (data.method === "Network.requestWillBeSent") {
            const url = params.request.url;
            if (!url.startsWith(origin + "/") && !/^(data|blob):/.test(url))
                foreign.push(url);
        }
    };
    const send = (method, params = {}) => new Promise((resolve, reject) => {
        const id = nextId++;
        pending.set(id, { resolve, reject });
        ws.send(JSON.stringify({ id, method, params, ...(sessionId ? { sessionId } : {}) }));
    });

    const { targetId } = await send("Target.createTarget", { url: "about:blank" });
    sessionId = (await send("Target.attachToTarget", { targetId, flatten: true })).sessionId;
    for (const domain of ["Runtime", "Log", "Network", "Page"])
        await send(`${domain}.enable`);
    await send("Browser.grantPermissions", { origin, permissions: ["clipboardReadWrite", "clipboardSanitizedWrite"] })
        .catch(() => {});

    const page = { send, errors, foreign };
    // One listener for a protocol event (Tracing.dataCollected …).
    page.on = (method, fn) => listeners.set(method, fn);
    // Where the program's page is: the top window, or the frame of a host
    // page (a learning platform) with this id.
    let scope = "window";
    page.useFrame = (id) => {
        scope = id ? `(document.getElementById(${JSON.stringify(id)}) || {}).contentWindow` : "window";
    };
    page.close = async () => {
        try { ws.close(); } catch {}
        chromium.kill("SIGKILL");
        await sleep(200);
        rmSync(profile, { recursive: true, force: true });
    };
    page.evaluate = async (expression) => {
        const result = await send("Runtime.evaluate", { expression, awaitPromise: true, returnByValue: true,
                                                        userGesture: true });
        if (result.exceptionDetails)
            throw new Error(`${expression}: ${result.exceptionDetails.exception?.description}`);
        return result.result.value;
    };
    // Where a control is on the page ("window/control" or "window", see
    // app/web.cpp), in the page's coordinates; null when it is not shown.
    page.where = async (name) => {
        const text = await page.evaluate(`(() => {
            const win = ${scope};
            const module = win && win.qtLoader && win.qtLoader.module();
            if (!module || !module.controlRect) return "";
            const r = module.controlRect(${JSON.stringify(name)});
            if (!r) return "";
            const c = win.document.getElementById("quimbra-canvas").getBoundingClientRect();
            const f = win === window ? { left: 0, top: 0 } : win.frameElement.getBoundingClientRect();
            const [x, y, w, h] = r.split(",").map(Number);
            return [f.left + c.left + x, f.top + c.top + y, w, h].join(",");
        })()`);
        if (!text)
            return null;
        const [x, y, width, height] = text.split(",").map(Number);
        return { x, y, width, height };
    };
    // What a shown label, text box or button says (app/web.cpp); "" when none.
    page.text = (name) => page.evaluate(`(() => {
        const win = ${scope};
        const module = win && win.qtLoader && win.qtLoader.module();
        return module && module.controlText ? module.controlText(${JSON.stringify(name)}) : "";
    })()`);
    page.waitFor = async (name, ms = 20000) => {
        for (const start = Date.now(); Date.now() - start < ms; await sleep(50)) {
            const rect = await page.where(name);
            if (rect)
                return rect;
        }
        return null;
    };
    page.gone = async (name, ms = 5000) => {
        for (const start = Date.now(); Date.now() - start < ms; await sleep(50))
            if (!(await page.where(name)))
                return true;
        return false;
    };
    const mouse = (type, x, y, extra = {}) => send("Input.dispatchMouseEvent", { type, x, y, ...extra });
    // dx: that far right of the control's centre.
    page.click = async (name, button = "left", { dx = 0 } = {}) => {
        const rect = await page.where(name);
        if (!rect)
            throw new Error(`${name} is not shown`);
        const x = rect.x + rect.width / 2 + dx, y = rect.y + rect.height / 2;
        await mouse("mouseMoved", x, y);
        await mouse("mousePressed", x, y, { button, clickCount: 1, buttons: button === "left" ? 1 : 2 });
        await mouse("mouseReleased", x, y, { button, clickCount: 1 });
        await sleep(150);
    };
    // Drags a window by its title bar so that its client area starts at x, y.
    page.drag = async (window, x, y) => {
        const from = await page.where(window);
        const grip = { x: from.x + 60, y: from.y - 10 };
        await mouse("mouseMoved", grip.x, grip.y);
        await mouse("mousePressed", grip.x, grip.y, { button: "left", clickCount: 1, buttons: 1 });
        for (let i = 1; i <= 10; ++i)
            await mouse("mouseMoved", grip.x + (x - from.x) * i / 10, grip.y + (y - from.y) * i / 10,
                        { button: "left", buttons: 1 });
        await mouse("mouseReleased", grip.x + x - from.x, grip.y + y - from.y, { button: "left", clickCount: 1 });
        let to = from;
        for (let i = 0; i < 40 && (Math.abs(to.x - x) > 2 || Math.abs(to.y - y) > 2); ++i, await sleep(50))
            to = await page.where(window);
        return to;
    };
    page.key = async (keyName, code, keyCode, { text = "", modifiers = 0 } = {}) => {
        const event = { key: keyName, code, windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode,
                        modifiers };
        await send("Input.dispatchKeyEvent", { type: text ? "keyDown" : "rawKeyDown", ...event,
                                               ...(text ? { text, unmodifiedText: text } : {}) });
        await send("Input.dispatchKeyEvent", { type: "keyUp", ...event });
    };
    page.type = async (text) => {
        for (const ch of text)
            await page.key(ch, /\d/.test(ch) ? `Digit${ch}` : `Key${ch.toUpperCase()}`,
                           ch.toUpperCase().charCodeAt(0), { text: ch });
        await sleep(100);
    };
    page.selectAllIn = async (name) => {
        await page.click(name);
        await page.key("a", "KeyA", 65, { modifiers: 2 });
    };
    // A window's client area with its title bar and border.
    page.framed = (r) => ({ x: r.x - 1, y: r.y - 22, width: r.width + 2, height: r.height + 23 });
    page.screenshot = async (file, rect) => {
        const { data } = await send("Page.captureScreenshot",
                                    { format: "png", ...(rect ? { clip: { ...rect, scale: 1 } } : {}) });
        const png = Buffer.from(data, "base64");
        if (file)
            writeFileSync(file, png);
        return png;
    };
    return page;
}
