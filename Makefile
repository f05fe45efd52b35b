# Everyday commands: `make run` and `make test`.
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test deps build build-asan test-plain test-asan bench package clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B build $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS)

build-asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DAGGETTIVI_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build build-asan -j $(JOBS)

run: build
	build/bin/aggettivi

test-plain: build
	cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

test: test-plain test-asan

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DAGGETTIVI_BENCH=ON -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build build-bench -j $(JOBS)
	scripts/bench build-bench/bin

# A Debian package of the program, its sounds, menu entry, icon, metainfo and
# manual pages; the dependencies are computed from the binary. The prefix /usr
# puts the sound module in the private lib/<arch>/aggettivi. The package must
# pass lintian, desktop-file-validate and appstreamcli without a complaint.
# Compiled with Debian's hardening flags (less -g: the package is stripped).
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package: deps
	cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CPPFLAGS) $$($(DEB_FLAGS) CXXFLAGS | sed 's/^-g //')" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" \
	  -DCMAKE_MODULE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" \
	  -DAGGETTIVI_CHECKS=OFF -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build build-package -j $(JOBS)
	rm -f build-package/*.deb
	cd build-package && cpack
	scripts/check-package build-package/*.deb

clean:
	rm -rf build build-asan build-bench build-package
