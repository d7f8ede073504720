package com.googlecode.dex2jar.tools;

import com.android.apksig.ApkSigner;
import com.pelorin.signing.SigningKey;
import com.pelorin.signing.ZipAligner;
import com.pelorin.tools.Utf8Locale;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.nio.file.StandardCopyOption;
import java.util.Collections;

/**
 * The album signer: ApkSign <in.apk> -o <out.apk> [--force] --key <key.p12>
 *
 * Aligns stored entries to 4 bytes, then signs with APK signature schemes v1,
 * v2 and v3 (apksig) using the installation's key, made on first use at the
 * path --key gives (the build passes one in the per-user data folder, which
 * outlives the application folder). Refuses to replace an existing
 * output unless --force is given, creates the output's folder, and replaces
 * the output only once the signed file is complete. Exit code 0 on success,
 * 1 on failure, 2 for a wrong command line.
 */
public final class ApkSign {
    static final String USAGE = "usage: ApkSign <in.apk> -o <out.apk> [--force] --key <signing-key.p12>";

    private ApkSign() {
    }

    public static void main(String[] args) {
        Utf8Locale.ensure();
        System.exit(run(args));
    }

    static int run(String[] args) {
        String input = null;
        String output = null;
        String key = null;
        boolean force = false;
        for (int i = 0; i < args.length; i++) {
            String arg = args[i];
            if (arg.equals("-o") || arg.equals("--output")) {
                if (i + 1 >= args.length) {
                    return usage("-o needs a file name");
                }
                output = args[++i];
            } else if (arg.equals("--key")) {
                if (i + 1 >= args.length) {
                    return usage("--key needs a file name");
                }
                key = args[++i];
            } else if (arg.equals("-f") || arg.equals("--force")) {
                force = true;
            } else if (arg.startsWith("-") && arg.length() > 1) {
                return usage("unknown option " + arg);
            } else if (input == null) {
                input = arg;
            } else {
                return usage("more than one input file");
            }
        }
        if (input == null || output == null) {
            return usage("an input APK and -o <out.apk> are needed");
        }
        if (key == null) {
            return usage("--key <signing-key.p12> is needed");
        }

        try {
            Path in = Paths.get(input).toAbsolutePath();
            Path out = Paths.get(output).toAbsolutePath();
            if (!Files.isRegularFile(in)) {
                return fail("input APK not found: " + in);
            }
            if (Files.isDirectory(out)) {
                return fail("output is a folder: " + out);
            }
            if (Files.exists(out) && !force) {
                return fail("output exists, give --force to replace it: " + out);
            }
            Files.createDirectories(out.getParent());
            sign(in, out, SigningKey.loadOrCreate(Paths.get(key).toAbsolutePath()), force);
            System.out.println("Signed " + out);
            return 0;
        } catch (Exception e) {
            return fail("signing failed: " + e);
        }
    }

    private static void sign(Path in, Path out, SigningKey key, boolean force) throws Exception {
        Path folder = out.getParent();
        Path aligned = Files.createTempFile(folder, "." + out.getFileName(), ".aligned");
        Path partial = Files.createTempFile(folder, "." + out.getFileName(), ".part");
        // SIGTERM (a cancelled build) skips the finally block below but runs
        // shutdown hooks: the temporary files go on every way out.
        Thread cleanup = new Thread(() -> {
            deleteQuietly(aligned);
            deleteQuietly(partial);
        });
        Runtime.getRuntime().addShutdownHook(cleanup);
        try {
            ZipAligner.align(in, aligned, 4);
            ApkSigner.SignerConfig signer = new ApkSigner.SignerConfig.Builder(
                    "CERT", key.privateKey, Collections.singletonList(key.certificate)).build();
            new ApkSigner.Builder(Collections.singletonList(signer))
                    .setInputApk(aligned.toFile())
                    .setOutputApk(partial.toFile())
                    .setV1SigningEnabled(true)
                    .setV2SigningEnabled(true)
                    .setV3SigningEnabled(true)
                    .setV4SigningEnabled(false)
                    .setCreatedBy("Pelorin")
                    .build()
                    .sign();
            partial.toFile().setReadable(true, false);
            if (force) {
                Files.move(partial, out, StandardCopyOption.REPLACE_EXISTING, StandardCopyOption.ATOMIC_MOVE);
            } else {
                Files.move(partial, out);
            }
        } finally {
            Files.deleteIfExists(aligned);
            Files.deleteIfExists(partial);
            try {
                Runtime.getRuntime().removeShutdownHook(cleanup);
            } catch (IllegalStateException shuttingDown) {
                // The hook runs anyway.
            }
        }
    }

    private static void deleteQuietly(Path file) {
        try {
            Files.deleteIfExists(file);
        } catch (IOException e) {
            // Nothing more can be done while the runtime stops.
        }
    }

    private static int usage(String problem) {
        System.err.println("ApkSign: " + problem);
        System.err.println(USAGE);
        return 2;
    }

    private static int fail(String message) {
        System.err.println("ApkSign: " + message);
        return 1;
    }

}
