# Thin wrapper over CMake and the test bench. `make test` and `make run` do all set-up themselves.
SHELL := /bin/bash
LOGS := build/logs
TEST_ARCH = $(shell tools/test-arch)

.PHONY: all deps build build-i686 build-x86_64 test run patterns bench package clean

all: build

deps:
	@tools/install-deps

# Pattern rules are not searched for phony targets: spell both out.
define build_preset
	@tools/step "configuring $(1)" $(LOGS)/configure-$(1).log cmake --preset $(1)
	@tools/step "building $(1)" $(LOGS)/build-$(1).log cmake --build --preset $(1)
endef

build-i686: deps
	$(call build_preset,i686)

build-x86_64: deps
	$(call build_preset,x86_64)

build: build-i686 build-x86_64

# Builds both configurations, then runs every test on the bench display under Wine: the product's
# i686 build where this machine runs 32-bit code, else the x86_64 build under 64-bit Wine.
test: build
	@echo "== running the $(TEST_ARCH) tests under Wine"
	@tools/bench-run --arch $(TEST_ARCH) -- ctest --preset $(TEST_ARCH) --no-tests=error

# Runs Tessaryn: on your own monitors where $$DISPLAY is set, else on the virtual bench display with a
# screenshot of each pattern under out/.
run: build
	@tools/run-tessaryn $(TEST_ARCH)

# The four patterns at 1920x1080, as README shows them.
patterns: build
	@tools/bench-run --arch $(TEST_ARCH) -- tools/render-patterns build/$(TEST_ARCH) docs/patterns

# Draw time of each pattern against one fill of the canvas, and the time of a whole pattern switch on
# the standard two-head bench and on three 3840x2160 heads; never part of the tests.
bench: build
	@tools/bench-run --arch $(TEST_ARCH) -- tools/wine-run $$(tools/wine-loader $(TEST_ARCH)) build/$(TEST_ARCH)/draw_bench.exe
	@tools/bench-run --arch $(TEST_ARCH) -- tools/wine-run $$(tools/wine-loader $(TEST_ARCH)) build/$(TEST_ARCH)/switch_bench.exe
	@tools/bench-run --arch $(TEST_ARCH) --heads "3840x2160 3840x2160:right 3840x2160:right" -- \
		tools/wine-run $$(tools/wine-loader $(TEST_ARCH)) build/$(TEST_ARCH)/switch_bench.exe

# The release zip of the 32-bit program: build/i686/tessaryn-*.zip.
package: build-i686
	@tools/step "packaging" $(LOGS)/package.log cmake --build --preset i686 --target package
	@ls build/i686/tessaryn-*.zip

clean:
	rm -rf build out
