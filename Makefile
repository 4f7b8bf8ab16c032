# ovta: build, demo content, run and test.
#   make run    install what is missing, build, make the demo content, start the reader on it
#   make test   install what is missing, build, run every test through ctest
#   make        build into build/ (the reader is build/ovta)
#   make demo   generate the demo content into build/demo/
#   make install  install the reader, its desktop entry, icon and man page
#                 under PREFIX (default /usr/local)

BUILD    ?= build
PREFIX   ?= /usr/local
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

# Debian 12 packages: building, the demo content, media playback (X11 and
# Wayland; Qt's private headers for the display scale), and the end-to-end
# tests under a virtual display (with a window manager, to close the window as
# a user does; strace, to check that the reader writes nothing) and under a
# headless Wayland compositor.
PACKAGES := cmake ninja-build g++ make pkg-config \
	qt6-base-dev qt6-multimedia-dev libqt6multimedia6 qt6-qpa-plugins \
	gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav libgstreamer1.0-dev \
	libgtest-dev libgmock-dev \
	python3 python3-fonttools fonts-hosny-amiri ffmpeg \
	xvfb xauth xdotool x11-utils imagemagick openbox wmctrl qt6-wayland \
	qt6-base-private-dev weston \
	desktop-file-utils strace

.PHONY: all build deps demo run test install clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
		echo "Installing: $$missing"; \
		SUDO=$$( [ "$$(id -u)" -eq 0 ] || echo sudo ); \
		$$SUDO apt-get update -q && \
		DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -q --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	cmake --build $(BUILD) --target demo

run: deps build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "No display found. Run the reader under a virtual display:"; \
		echo "  xvfb-run -s '-screen 0 1024x768x24' $(BUILD)/ovta $(BUILD)/demo"; \
		exit 1; \
	fi
	$(BUILD)/ovta $(BUILD)/demo

test: deps build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD)
