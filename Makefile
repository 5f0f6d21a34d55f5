# The two everyday commands: `make run` and `make test`. Both install what is missing first.
BUILD    ?= build
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES := cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
            libbenchmark-dev fonts-liberation2

CHECK_BUILD    ?= build-check
CHECK_PACKAGES := clang-tidy cppcheck
# Sanitizer runs halt on the first report; the monkey test runs longer there.
SANITIZER_ENV  := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1 \
                  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
                  KESTRO_MONKEY_ACTIONS=$${KESTRO_MONKEY_ACTIONS:-20000}

WIN_BUILD      ?= build-windows
WIN_PACKAGES   := cmake make g++-mingw-w64-x86-64-posix wine wine64 googletest

# Extra tools for the desktop checks and the screenshot, installed by those targets only.
DESKTOP_PACKAGES := appstream desktop-file-utils dpkg-dev file binutils-mingw-w64-x86-64 lintian
SCREENSHOT_PACKAGES := xvfb xauth xdotool imagemagick

.PHONY: deps configure build run test bench pictures check check-sanitizers check-static \
        test-windows desktop-check screenshot clean

deps:
	@tools/install-deps.sh $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRO_WERROR=ON >/dev/null

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

pictures: build
	@QT_QPA_PLATFORM=offscreen $(BUILD)/tools/kestro_paint resources

# Reliability gates: every test under AddressSanitizer and UndefinedBehaviorSanitizer, then
# clang-tidy and cppcheck over src/ with the configuration in .clang-tidy and here.
check: check-sanitizers check-static

check-sanitizers: deps
	@cmake -S . -B $(CHECK_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKESTRO_SANITIZE=ON \
	  -DKESTRO_WERROR=ON -DKESTRO_BUILD_BENCH=OFF >/dev/null
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

# The window-free core cross-built for Windows and tested under Wine. Built without
# optimisation: the check is about Windows semantics, and g++ 12 reports false -Wrestrict and
# -Wmaybe-uninitialized findings in libstdc++'s string code when optimising for MinGW.
test-windows:
	@tools/install-deps.sh $(WIN_PACKAGES)
	@cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Debug -DKESTRO_BUILD_GUI=OFF -DKESTRO_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(WIN_BUILD) -j $(JOBS)
	@tools/wine-ctest.sh $(WIN_BUILD)

clean:
	@rm -rf $(BUILD) $(CHECK_BUILD) $(WIN_BUILD)
