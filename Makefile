# Thin wrapper over CMake and the test bench. `make test` and `make run` do all set-up themselves.
SHELL := /bin/bash
LOGS := build/logs
TEST_ARCH = $(shell tools/test-arch)
# The release zip, named with the project's version (read once the i686 build is configured).
PACKAGE = build/i686/tessaryn-$(shell sed -n 's/^\#define TESSARYN_VERSION_STRING "\(.*\)"$$/\1/p' build/i686/generated/version.h)-x86.zip

.PHONY: all deps build build-i686 build-x86_64 test run patterns bench hostile package clean

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
# i686 build where this machine runs 32-bit code (and then the x86_64 build's unit suites as well),
# else the x86_64 build under 64-bit Wine.
test: build
	@echo "== running the $(TEST_ARCH) tests under Wine"
	@tools/bench-run --arch $(TEST_ARCH) -- ctest --preset $(TEST_ARCH) --no-tests=error --parallel 2
	@# Where the 32-bit program was tested, its 64-bit build runs the unit suites too: a fault that
	@# only one of the two builds shows cannot hide.
	@if [ "$(TEST_ARCH)" = i686 ]; then \
		echo "== running the x86_64 unit suites under 64-bit Wine"; \
		tools/bench-run --arch x86_64 -- ctest --preset x86_64 -L unit --no-tests=error; \
	fi
	@tools/step "packaging" $(LOGS)/package.log tools/package
	@echo "== checking the release package as a Windows user gets it"
	@tools/bench-run --arch $(TEST_ARCH) -- tests/package/package-test.sh $(PACKAGE)

# Runs Tessaryn: on your own monitors where $$DISPLAY is set, else on the virtual bench display with a
# screenshot of each pattern under out/.
run: build
	@tools/run-tessaryn $(TEST_ARCH)

# The charts at 1920x1080, as README shows them.
patterns: build
	@tools/bench-run --arch $(TEST_ARCH) -- tools/render-patterns build/$(TEST_ARCH) docs/patterns

# Draw time of each pattern against one fill of the canvas, and the time of a whole pattern switch on
# the standard two-head bench and on three 3840x2160 heads; never part of the tests.
bench: build
	@tools/bench-run --arch $(TEST_ARCH) -- tools/wine-run $$(tools/wine-loader $(TEST_ARCH)) build/$(TEST_ARCH)/draw_bench.exe
	@tools/bench-run --arch $(TEST_ARCH) --heads "1024x768@60 1280x1024@50:right" -- \
		tools/wine-run $$(tools/wine-loader $(TEST_ARCH)) build/$(TEST_ARCH)/switch_bench.exe
	@tools/bench-run --arch $(TEST_ARCH) --heads "3840x2160 3840x2160:right 3840x2160:right" -- \
		tools/wine-run $$(tools/wine-loader $(TEST_ARCH)) build/$(TEST_ARCH)/switch_bench.exe

# The readers of outside bytes (EDIDs, calibration software's messages) fed COUNT hostile cases each from
# SEED, e.g. `make hostile COUNT=1000000 SEED=7`; `make test` tries 100000 from seed 1.
COUNT ?= 1000000
SEED ?= 1
hostile: build
	@for suite in screens_tests remote_tests; do \
		TESSARYN_HOSTILE_COUNT=$(COUNT) TESSARYN_HOSTILE_SEED=$(SEED) tools/bench-run --arch $(TEST_ARCH) -- \
			tools/wine-run $$(tools/wine-loader $(TEST_ARCH)) build/$(TEST_ARCH)/tests/$$suite.exe \
			--gtest_filter='*Hostile*' || exit 1; \
	done

# The release zip of the 32-bit program and its checksum: build/i686/tessaryn-VERSION-x86.zip(.sha256).
package: build-i686
	@tools/step "packaging" $(LOGS)/package.log tools/package
	@ls build/i686/tessaryn-*-x86.zip build/i686/tessaryn-*-x86.zip.sha256

clean:
	rm -rf build out
