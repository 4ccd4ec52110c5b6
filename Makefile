# Kelvara: set-up, build, tests, benchmarks and the demo. Every target first installs the
# Debian packages a fresh machine lacks.

PACKAGES := cmake ninja-build g++ pkg-config libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev libpng-dev libfreetype-dev fonts-dejavu-core libsdl2-dev
JOBS ?= $(shell nproc)

.PHONY: all deps build test asan bench demo clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null; \
	fi

build/debug/build.ninja: | deps
	cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVARA_BENCHMARKS=OFF

build/asan/build.ninja: | deps
	cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVARA_SANITIZE=ON -DKELVARA_BENCHMARKS=OFF

build/release/build.ninja: | deps
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release

build: deps build/debug/build.ninja
	cmake --build build/debug -j $(JOBS)

test: build
	ctest --test-dir build/debug --output-on-failure -j $(JOBS)

asan: deps build/asan/build.ninja
	cmake --build build/asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build/asan --output-on-failure -j $(JOBS)

bench: deps build/release/build.ninja
	cmake --build build/release -j $(JOBS)
	build/release/bench/filewalk_bench
	build/release/bench/registry_bench
	build/release/bench/process_bench
	build/release/bench/notification_bench
	build/release/bench/database_bench
	build/release/bench/screen_bench

KELVARA := '\Program Files\Kelvara\Kelvara.exe'
demo: deps build/release/build.ninja
	cmake --build build/release -j $(JOBS) --target cedevice
	rm -rf build/demo-device
	build/release/cedevice/cedevice new build/demo-device
	build/release/cedevice/cedevice install build/demo-device
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		build/release/cedevice/cedevice run build/demo-device $(KELVARA); \
	else \
		build/release/cedevice/cedevice run build/demo-device --virtual-time --script app/DemoScript.txt $(KELVARA); \
	fi

clean:
	rm -rf build
