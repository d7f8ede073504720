package com.pelorin.tools;

import java.io.IOException;
import java.io.OutputStream;
import java.nio.charset.Charset;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;

/**
 * The Java runtime takes its file-name encoding from the locale at start-up.
 * Under a locale that is not installed (or plain C), every non-ASCII character
 * of a path turns into '?', so an album with a Chinese name cannot be
 * packaged or signed. When that is the case, the tool runs itself again under
 * C.UTF-8 with its original command line bytes, read from /proc/self/cmdline
 * and handed over through a file, since Java cannot pass bytes it could not
 * decode.
 */
public final class Utf8Locale {
    private static final String MARKER = "PELORIN_UTF8_RELAUNCH";

    private Utf8Locale() {
    }

    /** Returns when the runtime already uses UTF-8 (or cannot run again); otherwise never returns. */
    public static void ensure() {
        if (usesUtf8() || System.getenv(MARKER) != null) {
            return;
        }
        Path cmdline = Paths.get("/proc/self/cmdline");
        if (!Files.isReadable(cmdline)) {
            return;
        }
        Path arguments = null;
        try {
            byte[] raw = Files.readAllBytes(cmdline);
            arguments = Files.createTempFile("pelorin-cmdline", ".bin");
            try (OutputStream out = Files.newOutputStream(arguments)) {
                out.write(raw);
            }
            // xargs reads the NUL-separated words as bytes; env runs the first with the rest.
            ProcessBuilder again = new ProcessBuilder("xargs", "-0", "-x", "-a", arguments.toString(), "env");
            again.environment().put("LC_ALL", "C.UTF-8");
            again.environment().put(MARKER, "1");
            again.inheritIO();
            int code = again.start().waitFor();
            Files.deleteIfExists(arguments);
            System.exit(code);
        } catch (IOException | InterruptedException e) {
            // Carry on as we are: ASCII paths still work.
            System.err.println("Warning: cannot restart under a UTF-8 locale: " + e.getMessage());
            if (arguments != null) {
                try {
                    Files.deleteIfExists(arguments);
                } catch (IOException ignored) {
                    // a leftover temporary file is harmless
                }
            }
        }
    }

    private static boolean usesUtf8() {
        String encoding = System.getProperty("sun.jnu.encoding");
        try {
            return encoding != null && Charset.forName(encoding).equals(StandardCharsets.UTF_8);
        } catch (IllegalArgumentException e) {
            return false;
        }
    }
}
