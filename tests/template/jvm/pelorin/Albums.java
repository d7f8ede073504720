package pelorin;

import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;

/**
 * Album folders for the scenarios, laid out as the desktop tool stages them:
 * assets/music/musicN.mp3, assets/images/picN.jpg and res/raw/songs.json in
 * UTF-8 with a byte-order mark and CR LF, values written unescaped. A song is
 * "title|audio" where audio is the asset's text ("AUDIO 180000" plays for
 * 180 s, "ERROR 60000" fails while playing, "" is a 0-byte file, "-" means
 * no file at all, anything else cannot be decoded).
 */
final class Albums {
  private Albums() {}

  static int count;

  static Path make(Path root, String... songs) throws IOException {
    Path dir = root.resolve("album" + (++count));
    Files.createDirectories(dir.resolve("assets/music"));
    Files.createDirectories(dir.resolve("assets/images"));
    Files.createDirectories(dir.resolve("res/raw"));
    StringBuilder json = new StringBuilder("\ufeff[\r\n");
    for (int n = 1; n <= songs.length; n++) {
      String[] parts = songs[n - 1].split("\\|", -1);
      if (!parts[1].equals("-")) Files.writeString(dir.resolve("assets/music/music" + n + ".mp3"), parts[1]);
      Files.writeString(dir.resolve("assets/images/pic" + n + ".jpg"), "PICTURE 1200x900");
      String[][] members = {
        {"songName", parts[0]}, {"sourcePath", "music/music" + n + ".mp3"}, {"textColor", "#ffffffff"},
        {"textSize", "30"}, {"imagePath", "images/pic" + n + ".jpg"}, {"lrcPath", "lrcs/lrc" + n + ".lrc"},
        {"lrcPosition", "2"}, {"singer", "林间"}, {"album", "晨光"}, {"duration", "03:00"},
        {"backgroundColor", "#ffffcc"}, {"songInfo", ""}, {"displayStyle", "bing"},
      };
      json.append("{\r\n");
      for (int k = 0; k < members.length; k++) {
        json.append('"').append(members[k][0]).append("\": \"").append(members[k][1]).append('"');
        json.append(k < members.length - 1 ? ",\r\n" : "\r\n");
      }
      json.append(n < songs.length ? "},\r\n" : "}\r\n");
    }
    json.append("]\r\n");
    catalogue(dir, json.toString());
    return dir;
  }

  /** An album of `n` songs of `ms` each, titled 1 .. n. */
  static Path songs(Path root, int n, int ms) throws IOException {
    String[] songs = new String[n];
    for (int k = 0; k < n; k++) songs[k] = (k + 1) + "|AUDIO " + ms;
    return make(root, songs);
  }

  static void catalogue(Path dir, String text) throws IOException {
    Files.write(dir.resolve("res/raw/songs.json"), text.getBytes(StandardCharsets.UTF_8));
  }
}
