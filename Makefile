# The two commands a newcomer needs: `make demo` and `make test`.
# Both install what is missing (Debian 12 packages), configure and build.

PACKAGES := cmake ninja-build g++ ccache qt6-base-dev nlohmann-json3-dev \
            libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev \
            qt6-tools-dev qt6-l10n-tools pkg-config doxygen xvfb xauth
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build demo test translations translations-check studio screenshots bench asan tsan fuzz example example-ubsan \
        example-pkgconfig docs clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default

demo: configure
	cmake --build --preset default --target zsg-shell
	build/default/tools/zsg-shell/zsg-shell examples/demo.zsg

test: build
	ctest --preset default

# The reference user interface over the in-memory renderer.
studio: configure
	cmake --build --preset default --target zsg-studio
	build/default/examples/studio/zsg-studio

# PNGs of the studio's window and each dock, for the README.
screenshots: configure
	cmake --build --preset default --target zsg-studio
	QT_QPA_PLATFORM=offscreen build/default/examples/studio/zsg-studio --screenshots docs/screenshots

# Re-extracts translations/zscenegraph.ts after a user text changed; commit the result.
translations: configure
	cmake --build --preset default --target update_translations

# Fails when the committed catalogue is not what the sources give.
translations-check: configure
	cmake --build --preset default --target check_translations

bench: deps
	cmake --preset bench
	cmake --build --preset bench
	@for b in build/bench/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] || continue; echo "== $$b"; $$b --benchmark_counters_tabular=true || exit 1; done

asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

tsan: deps
	cmake --preset tsan
	cmake --build --preset tsan --target zcore_task_tests orbmem_tests paint_thread_tests
	TSAN_OPTIONS=halt_on_error=1 build/tsan/tests/zcore/zcore_task_tests
	TSAN_OPTIONS=halt_on_error=1 build/tsan/tests/orbmem/orbmem_tests
	TSAN_OPTIONS=halt_on_error=1 build/tsan/tests/paint/paint_thread_tests

FUZZ_SECONDS ?= 60
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	@for f in build/fuzz/fuzz/fuzz_*; do \
	  [ -f "$$f" ] && [ -x "$$f" ] || continue; \
	  echo "== $$f ($(FUZZ_SECONDS) s)"; mkdir -p build/fuzz/corpus/$$(basename $$f); \
	  $$f -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 -print_final_stats=1 build/fuzz/corpus/$$(basename $$f) || exit 1; \
	done

# Builds and runs the example host, and its brush panel (the widgets
# component), against the installed package only.
example: build
	cmake --install build/default --prefix build/install
	cmake -S examples/host -B build/example -G Ninja -DCMAKE_PREFIX_PATH=$(CURDIR)/build/install
	cmake --build build/example
	build/example/zsg-example-host
	build/example/zsg-example-panel

# The same host built with UBSan (vptr check included) against the installed
# package: it links only if the type information hosts need is exported.
example-ubsan: build
	cmake --install build/default --prefix build/install
	cmake -S examples/host -B build/example-ubsan -G Ninja -DCMAKE_PREFIX_PATH=$(CURDIR)/build/install \
	  -DCMAKE_CXX_FLAGS="-fsanitize=undefined -fsanitize=vptr -fno-sanitize-recover=undefined"
	cmake --build build/example-ubsan
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 build/example-ubsan/zsg-example-host
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 build/example-ubsan/zsg-example-panel

# The same host built with pkg-config alone, as a host without CMake builds it.
example-pkgconfig: build
	cmake --install build/default --prefix build/install
	mkdir -p build/example-pkgconfig
	export PKG_CONFIG_PATH=$(CURDIR)/build/install/lib/pkgconfig; \
	g++ -std=c++20 examples/host/main.cpp -o build/example-pkgconfig/zsg-example-host \
	  -DZSG_TRANSLATIONS_DIR=\"$$(pkg-config --variable=translationsdir zscenegraph)\" \
	  $$(pkg-config --cflags --libs zscenegraph orbmem) -Wl,-rpath,$$(pkg-config --variable=libdir zscenegraph)
	build/example-pkgconfig/zsg-example-host
	export PKG_CONFIG_PATH=$(CURDIR)/build/install/lib/pkgconfig; \
	g++ -std=c++20 -fPIC examples/host/panel.cpp -o build/example-pkgconfig/zsg-example-panel \
	  $$(pkg-config --cflags --libs zscenegraph-widgets orbmem) -Wl,-rpath,$$(pkg-config --variable=libdir zscenegraph)
	build/example-pkgconfig/zsg-example-panel

# API reference from the public headers into build/docs/html. An exported
# class without a brief, or any warning other than an undocumented member, fails.
docs: deps
	mkdir -p build/docs
	doxygen Doxyfile
	@if grep -v -E 'warning: Member .* is not documented' build/docs/warnings.log | grep -q .; then \
	  grep -v -E 'warning: Member .* is not documented' build/docs/warnings.log; exit 1; fi
	@echo "API reference: build/docs/html/index.html"

clean:
	rm -rf build
