# The two everyday commands: `make run` and `make test`. Both install what is missing first.
BUILD    ?= build
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES := cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
            libbenchmark-dev fonts-liberation2

# Extra tools for the desktop checks and the screenshot, installed by those targets only.
DESKTOP_PACKAGES := appstream desktop-file-utils dpkg-dev file binutils-mingw-w64-x86-64
SCREENSHOT_PACKAGES := xvfb xauth xdotool imagemagick

.PHONY: deps configure build run test bench pictures desktop-check screenshot clean

deps:
	@tools/install-deps.sh $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

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

clean:
	@rm -rf $(BUILD)
