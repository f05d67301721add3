# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Quimbra: `make run` starts the program, `make test` runs every test.
# Both install what is missing on a Debian 12 machine first.

BUILD ?= build
JOBS  ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps build program run test test-asan bench fuzz package windows web web-run web-bench web-profile screenshots clean

all: build

deps:
	@scripts/deps.sh build

$(BUILD)/build.ninja: | deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: deps $(BUILD)/build.ninja
	@cmake --build $(BUILD) -j $(JOBS)

# Only what the program needs: the tests are built by `make test`.
program: deps $(BUILD)/build.ninja
	@cmake --build $(BUILD) -j $(JOBS) --target quimbra

run: program
	./$(BUILD)/app/quimbra

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan:
	@scripts/test-asan.sh

# Google Benchmark for the algorithms and timings of the real windows.
bench:
	@scripts/bench.sh

# The libFuzzer targets for a bounded time (FUZZ_SECONDS, default 60).
fuzz:
	@scripts/fuzz.sh

# A Debian package built with CPack, checked and installed into a scratch root.
package:
	@scripts/package.sh

# Quimbra for Windows under build-win/: the program folder, a zip and an
# installer, then the tests under Wine. Builds Qt for Windows the first time.
windows:
	@scripts/windows.sh

# Quimbra as a static web page under build-web/site/, and a zip of it, then
# the browser test. Builds Qt for WebAssembly the first time.
web:
	@scripts/web.sh

# Serves the page at http://127.0.0.1:8080/, building it first if needed.
web-run:
	@[ -f build-web/site/index.html ] || WEB_TESTS=0 scripts/web.sh
	@echo "Quimbra: http://127.0.0.1:8080/"
	@cd build-web/site && python3 -m http.server 8080 --bind 127.0.0.1

# The page's speed in headless Chromium (figures in docs/performance.md).
web-bench:
	@[ -f build-web/site/index.html ] || WEB_TESTS=0 scripts/web.sh
	@node --experimental-websocket --no-warnings bench/web_bench.mjs build-web/site

# Where the page's main thread spends a frame of the step view, by function:
# a page of its own with the function names kept (build-web-profile/), and
# Chromium's trace of 3 s of the run in build-web-profile/trace.json.
# SCENE=opening traces ten openings of the sorting window instead.
web-profile:
	@BUILD_WEB=build-web-profile WEB_PROFILE=1 WEB_TESTS=0 scripts/web.sh
	@node --experimental-websocket --no-warnings bench/web_profile.mjs build-web-profile/site \
	    build-web-profile/trace.json $(SCENE)

# One PNG per window under docs/, taken from the real program under Xvfb.
screenshots:
	@scripts/screenshots.sh

clean:
	rm -rf $(BUILD) build-*
