package com.pelorin.signing;

import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.nio.file.FileAlreadyExistsException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.attribute.PosixFilePermissions;
import java.security.GeneralSecurityException;
import java.security.KeyPair;
import java.security.KeyPairGenerator;
import java.security.KeyStore;
import java.security.PrivateKey;
import java.security.SecureRandom;
import java.security.cert.Certificate;
import java.security.cert.X509Certificate;
import java.util.HexFormat;

/**
 * The installation's signing key: an RSA key with a self-signed certificate in
 * a PKCS#12 file, made on first use with mode 0600 and reused by every later
 * build, so that a rebuilt album installs over the previous one. The store's
 * password is fixed; the file's mode is what keeps the key private.
 */
public final class SigningKey {
    static final String ALIAS = "album";
    static final char[] PASSWORD = "pelorin-album".toCharArray();
    static final int KEY_BITS = 2048;
    static final int VALID_YEARS = 30;

    public final PrivateKey privateKey;
    public final X509Certificate certificate;

    private SigningKey(PrivateKey privateKey, X509Certificate certificate) {
        this.privateKey = privateKey;
        this.certificate = certificate;
    }

    public static SigningKey loadOrCreate(Path file) throws IOException, GeneralSecurityException {
        if (!Files.exists(file)) {
            create(file);
        }
        return load(file);
    }

    static SigningKey load(Path file) throws IOException, GeneralSecurityException {
        KeyStore store = KeyStore.getInstance("PKCS12");
        try (InputStream in = Files.newInputStream(file)) {
            store.load(in, PASSWORD);
        }
        if (!store.isKeyEntry(ALIAS)) {
            throw new GeneralSecurityException("no key named \"" + ALIAS + "\" in " + file);
        }
        PrivateKey key = (PrivateKey) store.getKey(ALIAS, PASSWORD);
        Certificate certificate = store.getCertificate(ALIAS);
        if (!(certificate instanceof X509Certificate)) {
            throw new GeneralSecurityException("no X.509 certificate for the key in " + file);
        }
        return new SigningKey(key, (X509Certificate) certificate);
    }

    // Written to a private temporary file, then linked in under the final
    // name, which fails if another run made the key meanwhile: that key wins.
    private static void create(Path file) throws IOException, GeneralSecurityException {
        Path folder = file.toAbsolutePath().getParent();
        if (!Files.isDirectory(folder)) {
            Files.createDirectories(folder,
                    PosixFilePermissions.asFileAttribute(PosixFilePermissions.fromString("rwx------")));
        }

        KeyPairGenerator generator = KeyPairGenerator.getInstance("RSA");
        generator.initialize(KEY_BITS, new SecureRandom());
        KeyPair keys = generator.generateKeyPair();
        byte[] id = new byte[4];
        new SecureRandom().nextBytes(id);
        X509Certificate certificate = SelfSignedCertificate.create(
                keys, "Pelorin album " + HexFormat.of().formatHex(id), "Pelorin", VALID_YEARS);

        KeyStore store = KeyStore.getInstance("PKCS12");
        store.load(null, null);
        store.setKeyEntry(ALIAS, keys.getPrivate(), PASSWORD, new Certificate[] {certificate});

        Path temporary = Files.createTempFile(folder, ".signing-key", ".tmp",
                PosixFilePermissions.asFileAttribute(PosixFilePermissions.fromString("rw-------")));
        try {
            try (OutputStream out = Files.newOutputStream(temporary)) {
                store.store(out, PASSWORD);
            }
            try {
                Files.createLink(file, temporary);
            } catch (FileAlreadyExistsException e) {
                // made by a run at the same moment; use that one
            } catch (IOException | UnsupportedOperationException e) {
                // no hard links on this file system: a move, which replaces nothing either
                try {
                    Files.move(temporary, file);
                } catch (FileAlreadyExistsException made) {
                    // as above
                }
            }
        } finally {
            Files.deleteIfExists(temporary);
        }
    }
}
