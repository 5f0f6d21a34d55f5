# The two everyday commands: `make run` and `make test`. Both install what is missing first.
BUILD    ?= build
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES := cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
            libbenchmark-dev fonts-liberation2

# Compiler warnings in our code stop the build only where asked: CI sets KESTRO_WERROR=ON, so a
# player's build never fails on a newer compiler's or Qt's warning. Passed on every configure,
# so that a value cached by an earlier run never lingers.
KESTRO_WERROR  ?= OFF

CHECK_BUILD    ?= build-check
CHECK_PACKAGES := clang-tidy cppcheck
# Sanitizer runs halt on the first report; the monkey test runs longer there.
SANITIZER_ENV  := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1 \
                  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
                  KESTRO_MONKEY_ACTIONS=$${KESTRO_MONKEY_ACTIONS:-20000}

# The Windows build: the kit (Qt for MinGW-w64) unpacked from WINQT_DIR into $(WIN_BUILD)/kit,
# the program and its tests built in $(WIN_BUILD)/build, run under Wine.
WIN_BUILD      ?= build-windows
WINQT_DIR      ?= ../shared/winqt
WIN_BUILD_DIR  := $(abspath $(WIN_BUILD))
WINQT          := $(abspath $(if $(filter /%,$(WINQT_DIR)),,$(CURDIR)/)$(WINQT_DIR))
WIN_PACKAGES   := cmake make ninja-build xz-utils g++-mingw-w64-x86-64-posix qt6-base-dev \
                  qt6-base-dev-tools googletest wine wine64 fonts-liberation2
WIN_RUN_PACKAGES := xvfb xauth xdotool unzip

# Other Linux systems: the README's `make test` in a fresh Debian 13 root, and the portable
# folder checked in a Debian 13 root without Qt. The roots are made with mmdebstrap from
# Debian's packages and kept (outside git) until the next run.
ROOT_PACKAGES     := mmdebstrap
PORTABLE_PACKAGES := patchelf
DEBIAN13_ROOT     ?= build-debian13
PORTABLE_ROOT     ?= build-portable-check

# Extra tools for the desktop checks and the screenshot, installed by those targets only.
DESKTOP_PACKAGES := appstream desktop-file-utils dpkg-dev file binutils-mingw-w64-x86-64 lintian
SCREENSHOT_PACKAGES := xvfb xauth xdotool imagemagick

.PHONY: deps configure build run test bench pictures check check-sanitizers check-static \
        windows windows-build test-windows test-windows-quick smoke-windows screenshot-windows desktop-check screenshot \
        debian13-test portable check-portable clean

deps:
	@tools/install-deps.sh $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRO_WERROR=$(KESTRO_WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "make run: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)."; \
	  echo "Start it from a desktop session, or under a virtual display: xvfb-run make run"; \
	  exit 1; \
	fi
	@$(BUILD)/src/kestro

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

# Builds the Debian package and checks it and the desktop files it carries.
desktop-check: build
	@tools/install-deps.sh $(DESKTOP_PACKAGES)
	@tools/desktop-check.sh $(BUILD)

# Photographs the real main window under a virtual display into docs/screenshot-main.png.
screenshot: build
	@tools/install-deps.sh $(SCREENSHOT_PACKAGES)
	@tools/screenshot.sh $(BUILD) docs/screenshot-main.png

# The README's `make test` in a fresh Debian 13 root, on the committed tree.
debian13-test:
	@tools/install-deps.sh $(ROOT_PACKAGES)
	@tools/debian13-test.sh $(DEBIAN13_ROOT)

# The portable folder for other Linux systems: $(BUILD)/kestro-1.00-linux-x86_64.tar.gz.
portable: build
	@tools/install-deps.sh $(PORTABLE_PACKAGES)
	@cmake --build $(BUILD) --target portable >$(BUILD)/portable.log 2>&1 \
	  || { cat $(BUILD)/portable.log; exit 1; }
	@ls -l $(BUILD)/kestro-*-linux-x86_64.tar.gz

# The portable folder unpacked where no Qt is installed and started as a player would.
check-portable: portable
	@tools/install-deps.sh $(ROOT_PACKAGES)
	@tools/portable-check.sh $(BUILD)/kestro-*-linux-x86_64.tar.gz $(PORTABLE_ROOT)

pictures: build
	@QT_QPA_PLATFORM=offscreen $(BUILD)/tools/kestro_paint resources

# Reliability gates: every test under AddressSanitizer and UndefinedBehaviorSanitizer, then
# clang-tidy and cppcheck over src/ with the configuration in .clang-tidy and here.
check: check-sanitizers check-static

check-sanitizers: deps
	@cmake -S . -B $(CHECK_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKESTRO_SANITIZE=ON \
	  -DKESTRO_WERROR=$(KESTRO_WERROR) -DKESTRO_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(CHECK_BUILD) -j $(JOBS)
	@cd $(CHECK_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

check-static: build
	@tools/install-deps.sh $(CHECK_PACKAGES)
	@echo "clang-tidy over src/"
	@run-clang-tidy -quiet -p $(BUILD) -j $(JOBS) "$(CURDIR)/src/" >$(BUILD)/clang-tidy.log 2>&1 \
	  || { grep -E 'warning:|error:' $(BUILD)/clang-tidy.log | sort -u; exit 1; }
	@echo "clang-tidy: no findings"
	@cppcheck --library=qt --std=c++20 -I src --enable=warning,style,performance,portability \
	  --inline-suppr --error-exitcode=1 --quiet --suppress=missingIncludeSystem -j $(JOBS) src
	@echo "cppcheck: no findings"

# The whole program and its tests cross-built for Windows with the Qt kit, and the portable
# zip $(WIN_BUILD)/build/kestro-1.00-win64.zip. Warnings are not errors here: g++ 12 for
# MinGW reports false -Wrestrict and -Wmaybe-uninitialized findings inside libstdc++'s string
# code when optimising; the Linux build holds our code to no warnings.
windows: windows-build
	@cd $(WIN_BUILD_DIR)/build && cpack -G ZIP >/dev/null && ls -l kestro-*-win64.zip

windows-build:
	@tools/install-deps.sh $(WIN_PACKAGES)
	@tools/windows-kit.sh "$(WINQT)" "$(WIN_BUILD_DIR)"
	@cmake -S . -B $(WIN_BUILD_DIR)/build -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_PREFIX_PATH=$(WIN_BUILD_DIR)/kit -DQT_HOST_PATH=/usr \
	  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
	  -DCMAKE_BUILD_TYPE=Release -DKESTRO_WERROR=OFF -DKESTRO_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(WIN_BUILD_DIR)/build -j $(JOBS)

# Every test under Wine in a fresh prefix: windows on the offscreen platform, the native
# borders on the windows platform under Xvfb.
test-windows: windows
	@tools/install-deps.sh $(WIN_RUN_PACKAGES)
	@tools/wine-ctest.sh $(WIN_BUILD_DIR)/build $(WIN_BUILD_DIR)/kit -j $(JOBS)

# The same tests without the zip: what a planted fault needs rebuilt and run
# (mutants.py --windows --check 'make test-windows-quick WIN_BUILD=build-mutants JOBS=2').
test-windows-quick: windows-build
	@tools/install-deps.sh $(WIN_RUN_PACKAGES)
	@tools/wine-ctest.sh $(WIN_BUILD_DIR)/build $(WIN_BUILD_DIR)/kit -j $(JOBS)

# The zip unpacked and started as a player would, under a virtual display.
smoke-windows: windows
	@tools/install-deps.sh $(WIN_RUN_PACKAGES)
	@tools/windows-smoke.sh $(WIN_BUILD_DIR)/build/kestro-*-win64.zip

# Photographs the Windows build's main window under Wine into docs/screenshot-windows.png.
screenshot-windows: windows
	@tools/install-deps.sh $(WIN_RUN_PACKAGES) $(SCREENSHOT_PACKAGES)
	@tools/windows-smoke.sh $(WIN_BUILD_DIR)/build/kestro-*-win64.zip docs/screenshot-windows.png

clean:
	@rm -rf --one-file-system $(BUILD) $(CHECK_BUILD) $(WIN_BUILD) $(DEBIAN13_ROOT) $(PORTABLE_ROOT)
